# AddressSanitizer and UndefinedBehaviorSanitizer for every target of our
# own (scripts/run-sanitized-tests builds with it). The libraries we link
# against come from the system and stay uninstrumented.
option(PARVELA_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)

set(PARVELA_SANITIZE_FLAGS
  -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)

# Walks the folders below `dir` and instruments each target built from our
# sources; called once at the end of the top-level CMakeLists.txt, so a new
# program or library cannot be forgotten. Imported targets (the found
# packages) have nothing to compile.
function(parvela_sanitize_targets dir)
  get_property(targets DIRECTORY ${dir} PROPERTY BUILDSYSTEM_TARGETS)
  foreach(target IN LISTS targets)
    get_target_property(type ${target} TYPE)
    if(type MATCHES "^(EXECUTABLE|STATIC_LIBRARY|SHARED_LIBRARY|MODULE_LIBRARY|OBJECT_LIBRARY)$")
      target_compile_options(${target} PRIVATE ${PARVELA_SANITIZE_FLAGS})
      target_link_options(${target} PRIVATE ${PARVELA_SANITIZE_FLAGS})
    endif()
  endforeach()
  get_property(subdirs DIRECTORY ${dir} PROPERTY SUBDIRECTORIES)
  foreach(subdir IN LISTS subdirs)
    parvela_sanitize_targets(${subdir})
  endforeach()
endfunction()
