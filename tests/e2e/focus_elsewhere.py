#!/usr/bin/python3
"""Takes the keyboard focus away to a window of another program for a
moment, as switching to another program would.

    focus_elsewhere.py
"""
import time

from Xlib import X, display


def main():
    d = display.Display()
    root = d.screen().root
    window = root.create_window(0, 0, 200, 100, 0, X.CopyFromParent,
                                background_pixel=d.screen().white_pixel)
    window.map()
    d.sync()
    time.sleep(0.3)
    window.set_input_focus(X.RevertToParent, X.CurrentTime)
    d.sync()
    time.sleep(1)
    window.destroy()
    d.sync()


if __name__ == "__main__":
    main()
