# tavrio_start_exchange: the start screen's exchange pages (4 and 5), the
# editor page's way to them, and the one call that wires them into
# TFormStart. Included from this folder's CMakeLists.txt.
add_library(tavrio_start_exchange STATIC
  ${CMAKE_CURRENT_LIST_DIR}/ExchangePage.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TextPage.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ExchangePages.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ExchangeWiring.cpp)
target_include_directories(tavrio_start_exchange PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(tavrio_start_exchange PUBLIC tavrio_start tavrio_exchange_qt tavrio_exchange tavrio_ui)
