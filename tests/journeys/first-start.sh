# First start: the shaped window on the main page, the status line asking for
# a click on mouse button 6 (its software function waits for it); the panel's
# button 6 starts the driver; Alt+F4 quits through the exit sequence.
. "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
begin_journey
start_demo
rest_pointer
expect_shape first-start
# The main tab, profile 1 and its settings: every level on, level 1 current,
# the wheel forward.
expect_looks main main:9:main_down.jpg main:4:main_down.jpg main:5:main_normal.jpg \
  main:27:main_down.jpg main:30:main_down.jpg main:65:main_down.jpg main:32:main_down.jpg \
  main:46:dpi_slider.jpg main:59:dpi_slider.jpg
expect_panel "6=1F"
expect_status asking "配置完成，请点击鼠标第[6]键运行驱动"
# Button 6's mark on the mouse picture blinks with the prompt.
expect_blinking blink main:74:main_down.jpg main:74:main_over.jpg

panel_click 6
expect_status running "驱动运行中..."
expect_looks running main:74:main_normal.jpg

# The exit sequence sets the pointer speed back to 10, whatever it was.
probe set-pointer-speed 3 >/dev/null
quit_with_alt_f4
[ "$(pointer_speed)" = 10 ] || fail "the pointer speed is not back at 10 after the exit"
end_journey
