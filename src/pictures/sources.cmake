# Pictures: format recognition and the PCX decoder, the picture control, the slide strip and
# the detail zoom (gui: decoding needs QtGui).
target_sources(verdan_gui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/Aw_mm01.cpp
    ${CMAKE_CURRENT_LIST_DIR}/KR_BlobFormat.cpp
    ${CMAKE_CURRENT_LIST_DIR}/KR_MultiImage.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PcxDecoder.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Verdan_DetailZoomUnit.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Verdan_DiaSerie.cpp)
