# Embeds the project's four-part version into a program file as an ELF note
# (owner "Vantor", type 1), so that GetFileVersion can read it without running
# the file. The layout mirrors a fixed version record: two 32-bit words,
# major<<16|minor and release<<16|build.
set(VANTOR_VERSION_NOTE_TEMPLATE ${CMAKE_CURRENT_LIST_DIR}/version_note.cpp.in)

function(vantor_embed_version target)
  set(VANTOR_VERSION_MAJOR ${PROJECT_VERSION_MAJOR})
  set(VANTOR_VERSION_MINOR ${PROJECT_VERSION_MINOR})
  set(VANTOR_VERSION_RELEASE ${PROJECT_VERSION_PATCH})
  set(VANTOR_VERSION_BUILD ${PROJECT_VERSION_TWEAK})
  foreach(part MAJOR MINOR RELEASE BUILD)
    if("${VANTOR_VERSION_${part}}" STREQUAL "")
      set(VANTOR_VERSION_${part} 0)
    endif()
  endforeach()
  set(out ${CMAKE_CURRENT_BINARY_DIR}/${target}_version_note.cpp)
  configure_file(${VANTOR_VERSION_NOTE_TEMPLATE} ${out} @ONLY)
  target_sources(${target} PRIVATE ${out})
endfunction()
