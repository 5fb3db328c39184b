# Installing Tallybee: one program folder holding the executable, the skin library and
# the household's books (fmy.dll), which the program looks for beside itself. By default
# the folder is $XDG_DATA_HOME/tallybee (~/.local/share/tallybee), outside the build tree,
# so no build ever reaches the books.
# A build folder configured before this rule existed holds CMake's own default,
# /usr/local: that is replaced once too, and a prefix chosen later is left alone.
if(CMAKE_INSTALL_PREFIX_INITIALIZED_TO_DEFAULT
   OR (NOT TALLYBEE_PREFIX_SET AND CMAKE_INSTALL_PREFIX STREQUAL "/usr/local"))
  if(IS_ABSOLUTE "$ENV{XDG_DATA_HOME}")
    set(_tallybee_data "$ENV{XDG_DATA_HOME}")
  else()
    set(_tallybee_data "$ENV{HOME}/.local/share")
  endif()
  set(CMAKE_INSTALL_PREFIX "${_tallybee_data}/tallybee" CACHE PATH "The program folder" FORCE)
endif()
set(TALLYBEE_PREFIX_SET ON CACHE INTERNAL "The program folder's default was applied")

install(TARGETS tallybee RUNTIME DESTINATION .)
install(TARGETS SkinBag LIBRARY DESTINATION .)
install(FILES ${CMAKE_SOURCE_DIR}/resources/art/app_icon.svg DESTINATION . RENAME tallybee.svg)

# The books are copied from the seed only where there are none: an update replaces the
# program and the skin library and never the books. An older file is brought up to date
# by the program itself when it opens it.
install(CODE "set(TALLYBEE_SEED \"${CMAKE_BINARY_DIR}/bin/${TALLYBEE_SEED_NAME}\")")
install(CODE [[
  set(_books "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/fmy.dll")
  if(EXISTS "${_books}" OR IS_SYMLINK "${_books}")
    message(STATUS "Keeping the books: ${_books}")
  else()
    file(COPY_FILE "${TALLYBEE_SEED}" "${_books}")
    message(STATUS "New books from the seed: ${_books}")
  endif()
]])

# A start link in ~/.local/bin and a desktop entry, so the program starts like any other.
# Not for a staged install (DESTDIR), which belongs to a package.
option(TALLYBEE_DESKTOP_ENTRY "Install a start link and a desktop entry for the user" ON)
if(TALLYBEE_DESKTOP_ENTRY)
  install(CODE [[
    if("$ENV{DESTDIR}" STREQUAL "")
      if(IS_ABSOLUTE "$ENV{XDG_DATA_HOME}")
        set(_data "$ENV{XDG_DATA_HOME}")
      else()
        set(_data "$ENV{HOME}/.local/share")
      endif()
      set(_program "${CMAKE_INSTALL_PREFIX}/tallybee")
      set(_link "$ENV{HOME}/.local/bin/tallybee")
      file(MAKE_DIRECTORY "$ENV{HOME}/.local/bin")
      file(CREATE_LINK "${_program}" "${_link}" SYMBOLIC)
      message(STATUS "Start link: ${_link}")
      set(_entry "${_data}/applications/tallybee.desktop")
      file(WRITE "${_entry}" "[Desktop Entry]
Type=Application
Name=Tallybee
Name[zh_CN]=Tallybee 家庭记账
Comment=Household bookkeeping
Comment[zh_CN]=全家人一起记账、做预算、看报表
Exec=\"${_program}\"
Icon=${CMAKE_INSTALL_PREFIX}/tallybee.svg
Terminal=false
Categories=Office;Finance;
")
      message(STATUS "Desktop entry: ${_entry}")
    endif()
  ]])
endif()
