# Runs at install time: only then is the install folder known, and the desktop entry needs
# the absolute paths of the program and its icon there.
set(folder "${CMAKE_INSTALL_PREFIX}")

# Exec takes a quoted argument in which \ " ` $ are escaped, and the whole value is then
# unescaped once more as a string, so every backslash doubles again; % is a field code.
set(exec "${folder}/tomoea")
string(REPLACE "\\" "\\\\" exec "${exec}")
string(REPLACE "\"" "\\\"" exec "${exec}")
string(REPLACE "`" "\\`" exec "${exec}")
string(REPLACE "$" "\\$" exec "${exec}")
string(REPLACE "\\" "\\\\" exec "${exec}")
string(REPLACE "%" "%%" exec "${exec}")
set(TOMOEA_DESKTOP_EXEC "\"${exec}\"")

set(icon "${folder}/tomoea.svg")
string(REPLACE "\\" "\\\\" icon "${icon}")
set(TOMOEA_DESKTOP_ICON "${icon}")

set(entry "$ENV{DESTDIR}${folder}/tomoea.desktop")
message(STATUS "Installing: ${entry}")
configure_file("${TOMOEA_DESKTOP_TEMPLATE}" "${entry}" @ONLY)
# Desktops only offer to start an entry outside the menus when it is executable.
file(CHMOD "${entry}" PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ
     GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
