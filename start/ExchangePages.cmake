# tavrio_start_exchange: the start screen's exchange pages (4 and 5) and the
# editor page's way to them. Included from this folder's CMakeLists.txt.
add_library(tavrio_start_exchange STATIC
  ${CMAKE_CURRENT_LIST_DIR}/ExchangePage.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TextPage.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ExchangePages.cpp)
target_include_directories(tavrio_start_exchange PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(tavrio_start_exchange PUBLIC tavrio_exchange tavrio_ui)
