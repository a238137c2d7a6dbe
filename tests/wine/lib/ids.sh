# The programs' ids as read-only shell variables, named as in the C++ headers that define them:
# dialog and control ids (app/res/*_ids.h and each settings page's app/settings/*/*_ids.h,
# `#define NAME VALUE`), the clock menu's commands (shared/clock_menu.h) and the private
# messages and copy-data codes (shared/messages.h, both `constexpr TYPE NAME = VALUE;`). Read from the headers at every run, so a renumbered id
# follows by itself, and a removed one is an unbound variable that ends the scenario (set -u).
# Values are decimal; `probe` also takes the UM_ and ID names itself. Sourced by bed.sh and
# lint.sh; needs BED_SOURCE_DIR.

BED_ID_HEADERS=("$BED_SOURCE_DIR"/app/res/*_ids.h "$BED_SOURCE_DIR"/app/settings/*/*_ids.h
    "$BED_SOURCE_DIR/shared/clock_menu.h" "$BED_SOURCE_DIR/shared/messages.h")
BED_ID_NAMES=() # every name defined here, for the lint

# bed_ids_load HEADER...: defines a variable for every integer constant of the headers.
bed_ids_load() {
    local header line name value
    local define='^#define[[:space:]]+([A-Za-z_][A-Za-z0-9_]*)[[:space:]]+(0[xX][0-9A-Fa-f]+|[0-9]+)[[:space:]]*(//.*)?$'
    local constant='^constexpr[[:space:]]+[A-Za-z0-9_:]+[[:space:]]+([A-Za-z_][A-Za-z0-9_]*)[[:space:]]*=[[:space:]]*(0[xX][0-9A-Fa-f]+|[0-9]+)u?;'
    for header in "$@"; do
        [[ -r "$header" ]] || {
            echo "ids: no header $header" >&2
            return 1
        }
        while IFS= read -r line; do
            [[ $line =~ $define || $line =~ $constant ]] || continue
            name=${BASH_REMATCH[1]}
            value=$((BASH_REMATCH[2]))
            if [[ -v $name ]]; then
                echo "ids: $name defined twice (again in $header)" >&2
                return 1
            fi
            declare -gr "$name=$value"
            BED_ID_NAMES+=("$name")
        done <"$header"
    done
}

# Windows' own control ids, fixed by the system: the Help button of a property sheet or
# message box, the sheet's Apply (Now) button, the colour dialog's red, green and blue boxes
# (colordlg.h), the font dialog's face, style and size lists and the open-file dialog's name
# box (dlgs.h). `probe` knows IDOK, IDCANCEL, IDYES and IDNO by name.
bed_ids_windows() {
    declare -gr IDHELP=9 ID_APPLY_NOW=$((0x3021))
    declare -gr COLOR_RED=706 COLOR_GREEN=707 COLOR_BLUE=708
    declare -gr cmb1=$((0x470)) cmb2=$((0x471)) cmb3=$((0x472)) cmb13=$((0x47c))
    BED_ID_NAMES+=(IDHELP ID_APPLY_NOW COLOR_RED COLOR_GREEN COLOR_BLUE cmb1 cmb2 cmb3 cmb13)
}

bed_ids_load "${BED_ID_HEADERS[@]}" || exit 1
bed_ids_windows
