// Offers Quelmarn Manager, on the shell's own session-bus name, what GNOME
// Shell gives no program otherwise: hiding the top bar and the Activities
// button, and the pointer's position. Disabling shows both again.
/* exported init */
const { Gio } = imports.gi;
const Main = imports.ui.main;

const ObjectPath = '/example/quelmarn/Shell';
const Interface = `<node>
  <interface name="example.quelmarn.Shell">
    <method name="SetTopBarVisible"><arg name="visible" type="b" direction="in"/></method>
    <method name="SetActivitiesVisible"><arg name="visible" type="b" direction="in"/></method>
    <method name="PointerPosition">
      <arg name="x" type="i" direction="out"/>
      <arg name="y" type="i" direction="out"/>
    </method>
    <property name="TopBarVisible" type="b" access="read"/>
    <property name="ActivitiesVisible" type="b" access="read"/>
  </interface>
</node>`;

class QuelmarnShell {
    enable() {
        this._object = Gio.DBusExportedObject.wrapJSObject(Interface, this);
        this._object.export(Gio.DBus.session, ObjectPath);
    }

    disable() {
        this.SetTopBarVisible(true);
        this.SetActivitiesVisible(true);
        this._object.unexport();
        this._object = null;
    }

    // The panel box holds the top bar; the layout manager gives its space
    // back to windows while it is hidden.
    SetTopBarVisible(visible) {
        Main.layoutManager.panelBox.visible = visible;
    }

    get TopBarVisible() {
        return Main.layoutManager.panelBox.visible;
    }

    SetActivitiesVisible(visible) {
        const activities = Main.panel.statusArea.activities;
        if (activities)
            activities.container.visible = visible;
    }

    get ActivitiesVisible() {
        const activities = Main.panel.statusArea.activities;
        return activities ? activities.container.visible : false;
    }

    PointerPosition() {
        const [x, y] = global.get_pointer();
        return [x, y];
    }
}

function init() {
    return new QuelmarnShell();
}
