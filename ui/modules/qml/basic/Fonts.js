.pragma library

// The pages' font: the designed face when installed, else the first face
// here that has Chinese glyphs, else the system's default.
var kDesigned = "微软雅黑"
var kFallbacks = ["Microsoft YaHei", "WenQuanYi Micro Hei", "Noto Sans CJK SC", "Noto Sans SC",
                  "Source Han Sans SC", "Droid Sans Fallback", "DejaVu Sans"]

function pick(available) {
    if (available.indexOf(kDesigned) >= 0)
        return kDesigned
    for (var i = 0; i < kFallbacks.length; ++i)
        if (available.indexOf(kFallbacks[i]) >= 0)
            return kFallbacks[i]
    return ""
}
