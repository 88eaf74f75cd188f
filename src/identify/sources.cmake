# Identification window: the criteria panel with its tab strip and the nesting bar (gui).
target_sources(verdan_gui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/AW_Fifl1.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Aw_fifla.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Aw_fltab.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Verdan_FilterFlagoutPanel.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Verdan_FlagOutVerschachtelung.cpp)

# The state images of the criteria tree, 16 x 16, loaded by name through LoadBitmapResource.
qt_add_resources(verdan_gui identify_bitmaps
    PREFIX /bitmaps
    BASE ${CMAKE_CURRENT_LIST_DIR}/bitmaps
    FILES
        ${CMAKE_CURRENT_LIST_DIR}/bitmaps/VERDAN_GREENRED.png
        ${CMAKE_CURRENT_LIST_DIR}/bitmaps/VERDAN_OFFGREEN.png
        ${CMAKE_CURRENT_LIST_DIR}/bitmaps/VERDAN_ONRED.png)
include(${CMAKE_CURRENT_LIST_DIR}/core.cmake OPTIONAL)
include(${CMAKE_CURRENT_LIST_DIR}/window.cmake OPTIONAL)
