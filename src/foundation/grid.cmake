# The data source (core); the data grid, the framework grid and the navigator with its
# glyphs (gui).
include_guard(GLOBAL)
target_sources(verdan_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/KR_DataSource.cpp)
target_sources(verdan_gui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/Kr_vcldb.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Aw_dgrid.cpp
    ${CMAKE_CURRENT_LIST_DIR}/KR_Navg.cpp
    ${CMAKE_CURRENT_LIST_DIR}/navigator.qrc)
