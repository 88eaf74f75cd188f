# The database servers: the framework's server base and the key database server (core).
include_guard(GLOBAL)
target_sources(verdan_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/Kr_db.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Aw_bdb01.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Verdan_BdBServer.cpp)
