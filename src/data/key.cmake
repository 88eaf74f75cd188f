# The catalogue container of the identification keys (core).
include_guard(GLOBAL)
target_sources(verdan_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/Verdan_Benutzerdatenbank.cpp)
