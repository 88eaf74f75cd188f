# Foundation library: the general exception and the cursor lists (core).
target_sources(verdan_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/KR_Exception.cpp
    ${CMAKE_CURRENT_LIST_DIR}/KR_Liste.cpp)
