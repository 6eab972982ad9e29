.pragma library

// Resource path of a skin image: every group is its own resource prefix.
function image(group, file, skinNo) {
    return "qrc:/" + group + "/modules/img/skin" + skinNo + "/" + group + "/" + file + ".png"
}
