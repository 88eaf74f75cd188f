# HTML: the document builder (core).
target_sources(verdan_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/Kr_html.cpp)
# HTML: the viewer, its print dialog and the display windows (gui).
target_sources(verdan_gui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/Kr_htmlp.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Kr_htmlv.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Verdan_HtmlDisplayFormUnit.cpp
    ${CMAKE_CURRENT_LIST_DIR}/kr_htmlD.cpp)
