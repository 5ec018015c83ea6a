# What the Windows program loads, installed beside it (a cross build has no windeployqt): the Qt
# libraries, the platform, style and image plugins, the MinGW runtime and the toolkit's Polish
# texts. tests/windows/check_imports.sh compares these with what the executables and plugins
# import, so a missing DLL fails the tests.
get_target_property(qt_core_dll Qt6::Core IMPORTED_LOCATION_RELEASE)
get_filename_component(qt_bin ${qt_core_dll} DIRECTORY)
get_filename_component(qt_prefix ${qt_bin} DIRECTORY)
set(KELVARA_WINDOWS_DLLS
    Qt6Core.dll Qt6Gui.dll Qt6Widgets.dll Qt6PrintSupport.dll
    libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
set(KELVARA_WINDOWS_PLUGINS platforms/qwindows.dll styles/qwindowsvistastyle.dll imageformats/qico.dll)
foreach(dll IN LISTS KELVARA_WINDOWS_DLLS)
  install(FILES ${qt_bin}/${dll} DESTINATION ${CMAKE_INSTALL_BINDIR})
endforeach()
foreach(plugin IN LISTS KELVARA_WINDOWS_PLUGINS)
  get_filename_component(folder ${plugin} DIRECTORY)
  install(FILES ${qt_prefix}/plugins/${plugin} DESTINATION ${CMAKE_INSTALL_BINDIR}/${folder})
endforeach()
# The toolkit's Polish texts are the same file on every platform (Debian's qt6-translations-l10n).
find_file(KELVARA_QTBASE_PL qtbase_pl.qm
          PATHS ${qt_prefix}/translations /usr/share/qt6/translations NO_DEFAULT_PATH REQUIRED)
install(FILES ${KELVARA_QTBASE_PL} DESTINATION ${CMAKE_INSTALL_BINDIR}/translations)
install(FILES licenses/windows-GCC-runtime-exception.txt
              licenses/windows-GCC-runtime-copyright.txt
              licenses/windows-MinGW-w64-copyright.txt
        DESTINATION ${CMAKE_INSTALL_BINDIR}/licenses)

# The installer: 64-bit, into Program Files, in Polish, with the program's icon, its terms and
# the licences of what it ships on the licence page, a Start-menu entry, an uninstaller, and
# .kelvara files opening with kelvara.exe.
set(licence_page ${CMAKE_BINARY_DIR}/packaging/licence-page.txt)
file(READ LICENSE terms)
file(READ licenses/LGPL-3.0.txt lgpl)
file(READ licenses/windows-GCC-runtime-exception.txt exception)
file(WRITE ${licence_page} "${terms}\n\n==== GNU Lesser General Public License, version 3 (Qt) ====\n\n${lgpl}\n\n==== GCC Runtime Library Exception (MinGW-w64 runtime) ====\n\n${exception}\nThe full texts are in the folder licenses beside kelvara.exe.\n")
set(CPACK_RESOURCE_FILE_LICENSE ${licence_page})
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_NSIS_MUI_ICON ${KELVARA_ICON})
set(CPACK_NSIS_MUI_UNIICON ${KELVARA_ICON})
set(CPACK_NSIS_INSTALLED_ICON_NAME "bin\\\\kelvara.exe")
set(CPACK_NSIS_EXECUTABLES_DIRECTORY bin)
set(CPACK_NSIS_MUI_FINISHPAGE_RUN kelvara.exe)

# CMake's installer script with Polish as its only language (it otherwise follows the language
# of Windows, English by default).
file(READ ${CMAKE_ROOT}/Modules/Internal/CPack/NSIS.template.in template)
string(REGEX REPLACE "!insertmacro MUI_LANGUAGE \"English\"[^\n]*" "KELVARA_LANGUAGE" template "${template}")
string(REGEX REPLACE "\n *!insertmacro MUI_LANGUAGE \"[A-Za-z]+\"" "" template "${template}")
string(REPLACE "KELVARA_LANGUAGE" "!insertmacro MUI_LANGUAGE \"Polish\"" template "${template}")
# .kelvara files open with kelvara.exe (written here: CPack's variables would mangle the quotes).
string(REPLACE "@CPACK_NSIS_EXTRA_INSTALL_COMMANDS@" [=[@CPACK_NSIS_EXTRA_INSTALL_COMMANDS@
  WriteRegStr HKLM "Software\Classes\.kelvara" "" "Kelvara.Project"
  WriteRegStr HKLM "Software\Classes\Kelvara.Project" "" "Projekt Kelvara"
  WriteRegStr HKLM "Software\Classes\Kelvara.Project\DefaultIcon" "" "$INSTDIR\bin\kelvara.exe,0"
  WriteRegStr HKLM "Software\Classes\Kelvara.Project\shell\open\command" "" '"$INSTDIR\bin\kelvara.exe" "%1"'
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)']=] template "${template}")
string(REPLACE "@CPACK_NSIS_EXTRA_UNINSTALL_COMMANDS@" [=[@CPACK_NSIS_EXTRA_UNINSTALL_COMMANDS@
  DeleteRegKey HKLM "Software\Classes\Kelvara.Project"
  ReadRegStr $0 HKLM "Software\Classes\.kelvara" ""
  StrCmp $0 "Kelvara.Project" 0 +2
  DeleteRegKey HKLM "Software\Classes\.kelvara"
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)']=] template "${template}")
# A 64-bit installer with texts in UTF-8, so it runs where only 64-bit programs do (a Wine
# without its 32-bit part); the template starts with a byte-order mark and a comment line.
string(FIND "${template}" "\n" first_line_end)
math(EXPR rest_begin "${first_line_end} + 1")
string(SUBSTRING "${template}" 0 ${rest_begin} first_line)
string(SUBSTRING "${template}" ${rest_begin} -1 rest)
file(WRITE ${CMAKE_BINARY_DIR}/packaging/nsis/NSIS.template.in "${first_line}Target amd64-unicode\n${rest}")
set(CPACK_MODULE_PATH ${CMAKE_BINARY_DIR}/packaging/nsis)
