# Profiles: profile 2 gets other DPI and LED settings and is saved; profile 1
# still shows its own; after a restart profile 2 shows the saved settings
# again, on screen and in config.ini.
#
# The DPI value of level k (0-3) is marked by the knob on main element
# 45 + 5k + v, v = 0 (3200), 1 (1200), 2 (1600), 3 (2000), 4 (2400); level k's
# switch is element 27 + k, its selector 41 + k and its current-level mark
# 65 + k. LED mode m is colour element m.
. "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
begin_journey
start_demo

# Profile 2 as shipped: level 2 current, level 3 at 2000, every level on, LED mode 2.
click_element main 5
rest_pointer
expect_looks profile2 main:5:main_down.jpg main:4:main_normal.jpg main:66:main_down.jpg \
  main:58:dpi_slider.jpg main:30:main_down.jpg

# Level 3 to 1200, level 4 off, level 3 current; LED mode 1.
click_element main 56
click_element main 30
click_element main 43
rest_pointer
expect_looks profile2-edited main:56:dpi_slider.jpg main:58:main_normal.jpg main:30:main_normal.jpg \
  main:67:main_down.jpg main:66:main_normal.jpg
click_element main 11
click_element colour 1
rest_pointer
expect_looks profile2-led colour:1:color_down_purple.jpg colour:2:color_normal_pink.jpg
click_element main 9
click_element main 0
expect_ini Config2 DPI_SET3=1 DPI_SET_EN4=0 DPI_LEVEL=2 LED_STATUS=1
# Nothing else of profile 2 changed.
expect_ini Config2 DPI_SET4=0 DPI_SET_EN3=1 K6=42

# Profile 1 keeps its own: level 3 at 2400, level 4 on, level 1 current.
click_element main 4
rest_pointer
expect_looks profile1 main:4:main_down.jpg main:5:main_normal.jpg main:59:dpi_slider.jpg \
  main:30:main_down.jpg main:65:main_down.jpg main:67:main_normal.jpg

quit_with_alt_f4
start_demo
click_element main 5
rest_pointer
expect_looks restarted main:5:main_down.jpg main:56:dpi_slider.jpg main:30:main_normal.jpg \
  main:67:main_down.jpg
click_element main 11
rest_pointer
expect_looks restarted-led colour:1:color_down_purple.jpg colour:2:color_normal_pink.jpg
expect_ini Config2 DPI_SET3=1 DPI_SET_EN4=0 DPI_LEVEL=2 LED_STATUS=1
quit_with_alt_f4
end_journey
