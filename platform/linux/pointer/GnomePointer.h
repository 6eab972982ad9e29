#pragma once
// GNOME's mouse settings through GIO's GSettings, which also serve the
// desktops built on GNOME's schemas. Whatever GSettings back end the session
// uses (dconf, or the keyfile one) receives the values.

#include "PointerBackend.h"

typedef struct _GSettings GSettings;
typedef struct _GSettingsSchema GSettingsSchema;
typedef struct _GVariant GVariant;

namespace platform {

class GnomePointer : public PointerBackend
{
public:
    // Null when the mouse schema is not installed or lacks a key we use, or
    // when GIO found no settings store that outlives this process.
    static std::unique_ptr<GnomePointer> open();
    ~GnomePointer() override;

    const char *name() const override { return "gnome"; }
    bool setSpeed(double value) override;
    bool speed(double *value) override;
    bool setAccelProfile(AccelProfile profile) override;
    bool accelProfile(AccelProfile *profile) override;
    bool setDoubleClickMs(int ms) override;
    bool doubleClickMs(int *ms) override;

private:
    GnomePointer(GSettings *settings, GSettingsSchema *schema);
    bool write(const char *key, GVariant *value);

    GSettings *m_settings;
    GSettingsSchema *m_schema;
};

} // namespace platform
