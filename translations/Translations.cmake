# The translations both front ends are built with.
#
# A language ships when its file translates every text of the program: it
# is named here, the check in the tests (scripts/update-translations
# --check) then keeps it complete, and the front ends offer it. A language
# whose file is still being written stays out until it is whole, so that no
# reader meets a half-translated program.
set(SWD_SHIPPED_LANGUAGES ar de es fr id pt_BR ru zh_CN CACHE INTERNAL "")
set(SWD_TRANSLATIONS_DIR ${PROJECT_SOURCE_DIR}/translations)

find_package(Python3 REQUIRED COMPONENTS Interpreter)

# The files a front end reads, made from the shipped languages' Linguist
# files in the current build folder's i18n/: `qm` (the desktop's own tr()
# texts, by lrelease), `json` (the shared texts, for the desktop) or `js`
# (the shared texts and the page's, as the script the page loads when a
# reader chooses the language). Their paths go to `out`.
function(swd_translation_files kind out)
  set(made)
  foreach(suffix IN LISTS SWD_SHIPPED_LANGUAGES)
    set(source ${SWD_TRANSLATIONS_DIR}/sliding-window-demo_${suffix}.ts)
    set(target ${CMAKE_CURRENT_BINARY_DIR}/i18n/sliding-window-demo_${suffix}.${kind})
    if(kind STREQUAL "qm")
      find_program(SWD_LRELEASE lrelease HINTS /usr/lib/qt6/bin /usr/lib/qt6/libexec REQUIRED)
      set(command ${SWD_LRELEASE} -silent ${source} -qm ${target})
    elseif(kind STREQUAL "json")
      set(command ${Python3_EXECUTABLE} ${PROJECT_SOURCE_DIR}/scripts/catalogue-json json ${source} ${target})
    else()
      set(command ${Python3_EXECUTABLE} ${PROJECT_SOURCE_DIR}/scripts/catalogue-json script ${source} ${target})
    endif()
    add_custom_command(
      OUTPUT ${target}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/i18n
      COMMAND ${command}
      DEPENDS ${source} ${PROJECT_SOURCE_DIR}/scripts/catalogue-json
      COMMENT "Translations: ${suffix}.${kind}"
      VERBATIM)
    list(APPEND made ${target})
  endforeach()
  set(${out} ${made} PARENT_SCOPE)
endfunction()
