# Warnings are errors for the project's own targets.
function(parvela_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow
    -Wnon-virtual-dtor -Wold-style-cast -Wcast-align -Woverloaded-virtual
    -Wconversion -Wsign-conversion -Wnull-dereference -Wformat=2 -Werror)
  target_compile_definitions(${target} PRIVATE QT_NO_CAST_TO_ASCII
    QT_RESTRICTED_CAST_FROM_ASCII QT_NO_URL_CAST_FROM_STRING QT_NO_KEYWORDS)
endfunction()
