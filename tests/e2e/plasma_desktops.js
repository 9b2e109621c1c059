// Plasma's desktop scripting API as far as wallpaper scripts use it, run by gjs:
//   gjs plasma_desktops.js SCRIPT-FILE STATE-FILE
// The state file (JSON) holds the desktops and whether widgets are locked; it is read before
// and written after the script runs. What the script prints goes to standard output, as
// plasmashell's evaluateScript returns it. A desktop marked "immutable" is locked down by the
// administrator: it keeps its configuration whatever the script does.
const ByteArray = imports.byteArray;
const GLib = imports.gi.GLib;

const [scriptFile, stateFile] = ARGV;
const read = file => ByteArray.toString(GLib.file_get_contents(file)[1]);
const state = JSON.parse(read(stateFile));

Object.defineProperty(globalThis, 'locked', {
    get: () => state.locked,
    set: value => { state.locked = Boolean(value); },
});

function Desktop(data) {
    this.data = data;
    this.currentConfigGroup = [];
}
Object.defineProperty(Desktop.prototype, 'wallpaperPlugin', {
    get() { return this.data.plugin; },
    set(value) { if (!state.locked && !this.data.immutable) this.data.plugin = value; },
});
Desktop.prototype.key = function (name) {
    return [this.data.plugin].concat(this.currentConfigGroup, [name]).join('/');
};
// Locked widgets refuse loudly; a configuration locked down by the administrator ignores the
// write, as KConfig does with immutable entries.
Desktop.prototype.writeConfig = function (name, value) {
    if (state.locked)
        throw new Error('Widgets are locked');
    if (!this.data.immutable)
        this.data.config[this.key(name)] = value;
};
Desktop.prototype.readConfig = function (name) {
    return this.data.config[this.key(name)];
};

globalThis.desktops = () => state.desktops.map(d => new Desktop(d));

try {
    eval(read(scriptFile));
} finally {
    GLib.file_set_contents(stateFile, JSON.stringify(state, null, 1));
}
