'use strict';
// Tells the mouse utility which window has the focus: on each focus change,
// on title changes of the focused window, and when the program appears on
// the session bus. It only reports; the program decides what to do.

const { Gio, GLib } = imports.gi;

const SERVICE = 'org.mouseutility.Focus';
const PATH = '/org/mouseutility/Focus';
const INTERFACE = 'org.mouseutility.Focus';
const METHOD = 'FocusChanged1';
const CALL_TIMEOUT_MS = 1000;

class FocusReporter {
    enable() {
        this._window = null;
        this._windowIds = [];
        this._focusId = global.display.connect('notify::focus-window', () => this._focusChanged());
        this._watchId = Gio.bus_watch_name(Gio.BusType.SESSION, SERVICE, Gio.BusNameWatcherFlags.NONE,
            () => this._report(), null);
        this._focusChanged();
    }

    disable() {
        global.display.disconnect(this._focusId);
        Gio.bus_unwatch_name(this._watchId);
        this._follow(null);
    }

    _follow(window) {
        for (const id of this._windowIds)
            this._window.disconnect(id);
        this._window = window;
        this._windowIds = window ? [
            window.connect('notify::title', () => this._report()),
            window.connect('unmanaged', () => this._follow(null)),
        ] : [];
    }

    // No focused window comes between two windows and after the last one
    // closed: nothing to report.
    _focusChanged() {
        const window = global.display.focus_window;
        if (!window || window === this._window)
            return;
        this._follow(window);
        this._report();
    }

    _report() {
        if (!this._window)
            return;
        const args = new GLib.Variant('(ss)', [this._window.get_wm_class() || '', this._window.get_title() || '']);
        Gio.DBus.session.call(SERVICE, PATH, INTERFACE, METHOD, args, null,
            Gio.DBusCallFlags.NO_AUTO_START, CALL_TIMEOUT_MS, null, null);
    }
}

function init() {
    return new FocusReporter();
}
