# The system install that the Debian package holds (scripts/package.sh deb):
# the programs in bin/, verbalia-find's ICU part in lib/verbalia/, the
# release's files in share/verbalia/, and the desktop's files where the
# desktop looks for them. The programs carry no run path: Qt, ICU and the
# definitions database are the system's.

# verbalia-find in the build folder finds its ICU part in lib/ there, for the
# word list's sort; installed, in lib/verbalia/ by its full path.
set_target_properties(verbalia-find PROPERTIES BUILD_RPATH ${CMAKE_BINARY_DIR}/lib)
install(TARGETS verbalia verbalia-find RUNTIME DESTINATION bin)
install(TARGETS verbalia-find-icu LIBRARY DESTINATION lib/verbalia)

install(FILES ${CMAKE_CURRENT_BINARY_DIR}/wordlist.dat ${CMAKE_CURRENT_BINARY_DIR}/wordlist-levels.txt
  ${CMAKE_CURRENT_BINARY_DIR}/wordlist-copyright.txt DESTINATION share/verbalia)
install(DIRECTORY ${CMAKE_SOURCE_DIR}/docs/user/ DESTINATION share/verbalia FILES_MATCHING PATTERN "*.txt")

# The menu entry starts the program on the PATH.
set(PROGRAM verbalia)
set(COMMAND verbalia)
configure_file(verbalia.desktop.in ${CMAKE_CURRENT_BINARY_DIR}/verbalia.desktop @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/verbalia.desktop DESTINATION share/applications)
install(FILES verbalia.svg DESTINATION share/icons/hicolor/scalable/apps)
install(FILES verbalia.png DESTINATION share/icons/hicolor/256x256/apps)
string(TIMESTAMP release_date "%Y-%m-%d" UTC)
configure_file(verbalia.metainfo.xml.in ${CMAKE_CURRENT_BINARY_DIR}/org.example.verbalia.metainfo.xml @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/org.example.verbalia.metainfo.xml DESTINATION share/metainfo)

install(FILES man/verbalia.1 man/verbalia-find.1 DESTINATION share/man/man1)
install(FILES bash-completion/verbalia-find DESTINATION share/bash-completion/completions)
