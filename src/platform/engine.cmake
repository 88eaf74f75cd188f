# The database engine layer over SQLite: connections, data sets, tables, queries and the
# translator of the local SQL dialect. Nothing outside src/platform talks to SQLite.
include_guard(GLOBAL)
target_sources(verdan_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/EngineSqlite.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Schema.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Database.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DatabaseBuilder.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Field.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Dataset.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Dataset.h
    ${CMAKE_CURRENT_LIST_DIR}/Table.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Table.h
    ${CMAKE_CURRENT_LIST_DIR}/Query.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Query.h
    ${CMAKE_CURRENT_LIST_DIR}/LocalSql.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SessionTables.cpp)
