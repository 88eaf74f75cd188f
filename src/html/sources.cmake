# HTML: the document builder (core).
target_sources(verdan_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/Kr_html.cpp)
