'use strict';
// For the focus watcher tests only: new windows get no focus in the Overview
// the shell starts in, so it is left at once; Activate(title) moves the focus
// as a user would.

const { Gio } = imports.gi;
const Main = imports.ui.main;

const IFACE = `<node><interface name="org.mouseutility.FocusTest">
  <method name="Activate"><arg type="s" direction="in"/><arg type="b" direction="out"/></method>
</interface></node>`;

class TestHelper {
    enable() {
        Main.layoutManager.connect('startup-complete', () => Main.overview.hide());
        Main.overview.hide();
        this._dbus = Gio.DBusExportedObject.wrapJSObject(IFACE, this);
        this._dbus.export(Gio.DBus.session, '/org/mouseutility/FocusTest');
        Gio.bus_own_name(Gio.BusType.SESSION, 'org.mouseutility.FocusTest', Gio.BusNameOwnerFlags.NONE,
            null, null, null);
    }

    disable() {
        this._dbus.unexport();
    }

    Activate(title) {
        const window = global.get_window_actors().map(a => a.meta_window).find(w => w.get_title() === title);
        if (window)
            Main.activateWindow(window);
        return Boolean(window);
    }
}

function init() {
    return new TestHelper();
}
