# Foundation library: the general exception and the cursor lists (core).
target_sources(verdan_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/KR_Exception.cpp
    ${CMAKE_CURRENT_LIST_DIR}/KR_Liste.cpp)

# Panels, alignment, gradient buttons, check boxes, labels, child windows (gui).
target_sources(verdan_gui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/KR_Align.cpp
    ${CMAKE_CURRENT_LIST_DIR}/KR_Graph.cpp
    ${CMAKE_CURRENT_LIST_DIR}/KR_Kindfenster.cpp
    ${CMAKE_CURRENT_LIST_DIR}/KR_Label.cpp
    ${CMAKE_CURRENT_LIST_DIR}/KR_VCL.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Kr_grabt.cpp)
include(${CMAKE_CURRENT_LIST_DIR}/grid.cmake OPTIONAL)
