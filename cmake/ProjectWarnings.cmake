# The warning set is always on. -Werror is for developers and CI
# (scripts/build turns it on); a packager's plain configure must not fail
# on a newer compiler's new warning.
option(PARVELA_WERROR "Treat compiler warnings as errors" OFF)

function(parvela_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow
    -Wnon-virtual-dtor -Wold-style-cast -Wcast-align -Woverloaded-virtual
    -Wconversion -Wsign-conversion -Wnull-dereference -Wformat=2)
  if(PARVELA_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
  # GCC 12 at -O3 takes "literal" + std::string for an overlapping copy
  # (GCC bug 105329): a false -Wrestrict that would fail the Release build.
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    target_compile_options(${target} PRIVATE $<$<CONFIG:Release>:-Wno-restrict>)
  endif()
  target_compile_definitions(${target} PRIVATE QT_NO_CAST_TO_ASCII
    QT_RESTRICTED_CAST_FROM_ASCII QT_NO_URL_CAST_FROM_STRING QT_NO_KEYWORDS)
endfunction()
