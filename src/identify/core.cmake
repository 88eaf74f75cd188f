# Identification window: the rules for its result rows, shared with verdan-key (core).
target_sources(verdan_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/Verdan_Bestimmungszeile.cpp)
