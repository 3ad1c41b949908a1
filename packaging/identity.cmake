# Who the program is: the names and the version that the program itself, its
# desktop entry, its AppStream metainfo and its package show, in one place.

# The reverse-DNS id names the desktop entry, the metainfo and the icon in the
# icon theme; the program gives it to the desktop as its desktop file name.
set(OHM_DRILL_APP_ID "jp.ohmdrill.OhmDrill")
set(OHM_DRILL_EXECUTABLE "ohm-drill")
set(OHM_DRILL_PRODUCT_NAME "オームの法則（直列）")
set(OHM_DRILL_COMPANY_NAME "ohm-drill project")
set(OHM_DRILL_SUMMARY "Practise Ohm's law on a series circuit")
set(OHM_DRILL_SUMMARY_JA "直列回路でオームの法則を練習するドリル")

# The version as the program shows it: the major number, a point and the minor
# number in two digits, so 1.0.0 reads "1.00".
if(PROJECT_VERSION_MINOR LESS 10)
    set(OHM_DRILL_VERSION_TEXT "${PROJECT_VERSION_MAJOR}.0${PROJECT_VERSION_MINOR}")
else()
    set(OHM_DRILL_VERSION_TEXT "${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}")
endif()

# The pixel sizes of the icon's PNG images (resources/icons/png), each drawn
# for its size; the program compiles them in and the package installs them.
set(OHM_DRILL_ICON_SIZES 16 32 48 64 128 256)
