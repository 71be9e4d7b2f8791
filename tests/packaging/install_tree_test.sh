#!/usr/bin/env bash
# Installs the build's packaged components into a scratch prefix and runs them from there:
# nothing is installed outside a packaged component, programs find their libraries through
# relative run paths alone, the system class registry names the installed module and is found
# through XDG_DATA_DIRS, and every page, entry and icon is there.
#   install_tree_test.sh BUILD_FOLDER
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix="$work/prefix"
fail() { echo "FAILED: $*" >&2; exit 1; }
for component in $(cut -d' ' -f3 "$build/packages.txt"); do
    cmake --install "$build" --prefix "$prefix" --component "$component" > /dev/null
done
# A file whose install() names no packaged component would be in no package.
cmake --install "$build" --prefix "$work/everything" > /dev/null
unpackaged=$(comm -23 <(cd "$work/everything" && find . -not -type d | sort) \
                      <(cd "$prefix" && find . -not -type d | sort))
[ -z "$unpackaged" ] || fail "installed in no package: $unpackaged"
unset LD_LIBRARY_PATH
export XDG_DATA_HOME="$work/user" XDG_DATA_DIRS="$prefix/share" QT_QPA_PLATFORM=offscreen

components=$(cd "$prefix" && find . -type d -path '*/tumbler/components' -printf '%P\n')
[ -n "$components" ] || fail "no tumbler/components folder under $prefix"
libdir=${components%/components}
module="$prefix/$libdir/components/libtumbler.so"
for file in bin/qm4417 bin/qm4417ctl bin/kv3907-sim bin/tumbler-container bin/regctl \
            bin/tumbler-render bin/tumbler-switch-panel "$libdir/libtumbler_framework.so" \
            "$libdir/libtumbler_framework_module.so" "$libdir/libtumbler_framework_ui.so" \
            "$libdir/components/libtumbler.so" \
            share/quill-components/classes.reg share/applications/qm4417.desktop \
            share/applications/tumbler-container.desktop \
            share/icons/hicolor/48x48/apps/qm4417.png share/icons/hicolor/scalable/apps/qm4417.svg \
            share/icons/hicolor/16x16/apps/tumbler-container.png \
            share/icons/hicolor/32x32/apps/tumbler-container.png \
            share/icons/hicolor/48x48/apps/tumbler-container.png; do
    [ -e "$prefix/$file" ] || fail "$file is not installed"
done
for page in man1/qm4417.1 man1/qm4417ctl.1 man1/kv3907-sim.1 man5/qm4417-par.5 man1/regctl.1 \
    man1/tumbler-container.1 man1/tumbler-render.1 man1/tumbler-switch-panel.1; do
    gzip -t "$prefix/share/man/$page.gz" || fail "$page.gz is not gzip"
done

plugin=$(find "$prefix" -path '*/plugins/designer/*.so' | head -n 1)
[ -n "$plugin" ] || fail "no Designer plugin installed"
widget=$(find "$prefix/${libdir%/tumbler}" -maxdepth 1 -name 'libtumbler_widget.so*' | head -n 1)
[ -n "$widget" ] || fail "the widget library is not installed"

# The widget's reference, where the Designer plugin's Help opens it.
if [ -e "$build/packaging/reference/index.html" ]; then
    "$(dirname "$0")/../../packaging/check-reference.sh" "$prefix/share/doc/libtumbler-widget-dev/html"
fi

# Run paths: relative to the file only, never a build folder.
for elf in "$prefix"/bin/* "$prefix/$libdir"/*.so "$module" "$plugin" "$widget"; do
    runpath=$(readelf -d "$elf" | sed -n 's/.*(RUNPATH).*\[\(.*\)\]/\1/p')
    case "$runpath" in "" | '$ORIGIN'*) ;; *) fail "$elf has run path $runpath" ;; esac
    grep -q "$build" <<< "$runpath" && fail "$elf points into the build"
done

# The system registry names the installed module, and the installed tools use it.
grep -q "InprocServer = $module\$" "$prefix/share/quill-components/classes.reg" ||
    fail "the system registry does not name $module"
! grep -q "$build" "$prefix/share/quill-components/classes.reg" || fail "a build path is registered"
"$prefix/bin/regctl" list | grep -q "Tumbler.TumblerCtrl.1 .*  $module  system\$" ||
    fail "regctl list does not show the system entry"
"$prefix/bin/regctl" props Tumbler.TumblerCtrl.1 | grep -q '^1 Value = False$' ||
    fail "the installed module's control cannot be created"
"$prefix/bin/qm4417ctl" --help > /dev/null
# The installed panel loads a form through the installed Designer plugin.
QT_PLUGIN_PATH=$(dirname "$(dirname "$plugin")") "$prefix/bin/tumbler-switch-panel" \
    --form "$(dirname "$0")/../../packaging/smoke/switch-form.ui" --dump | grep -q . ||
    fail "the installed panel found no switch through the installed plugin"
echo "installed tree works"
