include(${CMAKE_CURRENT_LIST_DIR}/engine.cmake OPTIONAL)
include(${CMAKE_CURRENT_LIST_DIR}/startup.cmake OPTIONAL)
