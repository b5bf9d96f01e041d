#!/usr/bin/python3
"""Drops files on an X window the way a file manager does, through the XDND
protocol: the files go as a text/uri-list, dropped at a point of the window.

    xdnd_drop.py WINDOW_ID X Y FILE...
"""
import sys
import time
import urllib.parse

from Xlib import X, display, protocol


def main():
    target_id, x, y = int(sys.argv[1]), int(sys.argv[2]), int(sys.argv[3])
    uris = "".join("file://" + urllib.parse.quote(path) + "\r\n" for path in sys.argv[4:])
    d = display.Display()
    atom = lambda name: d.intern_atom(name)
    root = d.screen().root
    target = d.create_resource_object("window", target_id)
    source = root.create_window(0, 0, 1, 1, 0, X.CopyFromParent)
    source.set_selection_owner(atom("XdndSelection"), X.CurrentTime)
    uri_list = atom("text/uri-list")
    point = root.translate_coords(target, x, y)
    at_root = (point.x, point.y)

    def send(kind, data):
        event = protocol.event.ClientMessage(window=target, client_type=atom(kind),
                                             data=(32, data))
        target.send_event(event)
        d.flush()

    def wait_for(kind, seconds=10):
        end = time.time() + seconds
        while time.time() < end:
            while d.pending_events():
                event = d.next_event()
                if event.type == X.SelectionRequest:
                    answer(event)
                elif event.type == X.ClientMessage and event.client_type == atom(kind):
                    return event
            time.sleep(0.02)
        sys.exit("no " + kind + " from the window")

    def answer(request):
        prop = request.property or request.target
        if request.target == uri_list:
            request.requestor.change_property(prop, uri_list, 8, uris.encode())
        else:
            prop = X.NONE
        notify = protocol.event.SelectionNotify(time=request.time, requestor=request.requestor,
                                                selection=request.selection,
                                                target=request.target, property=prop)
        request.requestor.send_event(notify)
        d.flush()

    send("XdndEnter", [source.id, 5 << 24, uri_list, 0, 0])
    send("XdndPosition", [source.id, 0, (at_root[0] << 16) | at_root[1], X.CurrentTime,
                          atom("XdndActionCopy")])
    status = wait_for("XdndStatus")
    if not status.data[1][1] & 1:
        sys.exit("the window refused the drop")
    send("XdndDrop", [source.id, 0, X.CurrentTime, 0, 0])
    wait_for("XdndFinished")


if __name__ == "__main__":
    main()
