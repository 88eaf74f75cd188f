# Data access: the text store (core).
target_sources(verdan_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/KR_TEXT.cpp)
include(${CMAKE_CURRENT_LIST_DIR}/key.cmake OPTIONAL)
include(${CMAKE_CURRENT_LIST_DIR}/servers.cmake OPTIONAL)
