# Start-up and configuration: setup block, settings, path and text helpers, start-up and
# shutdown, the message dispatch (core); the message dialog and bitmap resources (gui).
target_sources(verdan_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/KR_DLG.cpp
    ${CMAKE_CURRENT_LIST_DIR}/KR_Ini.cpp
    ${CMAKE_CURRENT_LIST_DIR}/KR_MYSYS.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Kr_file.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Kr_init.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Kr_str.cpp)

target_sources(verdan_gui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/KR_Bitmap.cpp
    ${CMAKE_CURRENT_LIST_DIR}/KR_MsgDlg.cpp)

# KR_PROBE is a 2 x 2 red bitmap file, KR_PROBE256 a 2 x 2 blue one kept as bare bitmap data,
# the way the executable's resources kept it: they show that both kinds load.
set_source_files_properties(${CMAKE_CURRENT_LIST_DIR}/bitmaps/KR_PROBE256.dib
    PROPERTIES QT_RESOURCE_ALIAS KR_PROBE256)
qt_add_resources(verdan_gui app_bitmaps
    PREFIX /bitmaps
    BASE ${CMAKE_CURRENT_LIST_DIR}/bitmaps
    FILES
        ${CMAKE_CURRENT_LIST_DIR}/bitmaps/KR_PROBE.bmp
        ${CMAKE_CURRENT_LIST_DIR}/bitmaps/KR_PROBE256.dib)
include(${CMAKE_CURRENT_LIST_DIR}/mainwindow.cmake OPTIONAL)
