#include "GnomePointer.h"

#define G_SETTINGS_ENABLE_BACKEND
#include <gio/gio.h>
#include <gio/gsettingsbackend.h>

#include <cstring>
#include <initializer_list>

namespace platform {

namespace {

constexpr const char *kMouseSchema = "org.gnome.desktop.peripherals.mouse";
constexpr const char *kSpeedKey = "speed";
constexpr const char *kAccelProfileKey = "accel-profile";
constexpr const char *kDoubleClickKey = "double-click";

// GIO's fallbacks when no real store (dconf, keyfile) is there: they take
// every value and keep none past this process.
constexpr const char *kUnsavedBackends[] = {"GMemorySettingsBackend", "GNullSettingsBackend"};

bool backendSaves()
{
    GSettingsBackend *backend = g_settings_backend_get_default();
    bool saves = true;
    for (const char *type : kUnsavedBackends)
        saves = saves && std::strcmp(G_OBJECT_TYPE_NAME(backend), type) != 0;
    g_object_unref(backend);
    return saves;
}

} // namespace

std::unique_ptr<GnomePointer> GnomePointer::open()
{
    if (!backendSaves())
        return nullptr;
    // Looked up first: GSettings aborts the process on a schema it lacks.
    GSettingsSchemaSource *source = g_settings_schema_source_get_default();
    GSettingsSchema *schema = source ? g_settings_schema_source_lookup(source, kMouseSchema, TRUE) : nullptr;
    if (!schema)
        return nullptr;
    for (const char *key : {kSpeedKey, kAccelProfileKey, kDoubleClickKey}) {
        if (!g_settings_schema_has_key(schema, key)) {
            g_settings_schema_unref(schema);
            return nullptr;
        }
    }
    GSettings *settings = g_settings_new_full(schema, nullptr, nullptr);
    return std::unique_ptr<GnomePointer>(new GnomePointer(settings, schema));
}

GnomePointer::GnomePointer(GSettings *settings, GSettingsSchema *schema)
    : m_settings(settings)
    , m_schema(schema)
{
}

GnomePointer::~GnomePointer()
{
    g_object_unref(m_settings);
    g_settings_schema_unref(m_schema);
}

bool GnomePointer::write(const char *key, GVariant *value)
{
    g_variant_ref_sink(value);
    GSettingsSchemaKey *schemaKey = g_settings_schema_get_key(m_schema, key);
    const bool ok = g_variant_is_of_type(value, g_settings_schema_key_get_value_type(schemaKey))
        && g_settings_schema_key_range_check(schemaKey, value) && g_settings_is_writable(m_settings, key)
        && g_settings_set_value(m_settings, key, value);
    g_settings_schema_key_unref(schemaKey);
    g_variant_unref(value);
    // Hands the write to the settings back end before we report it done.
    g_settings_sync();
    return ok;
}

bool GnomePointer::setSpeed(double value)
{
    return write(kSpeedKey, g_variant_new_double(value));
}

bool GnomePointer::speed(double *value)
{
    *value = g_settings_get_double(m_settings, kSpeedKey);
    return true;
}

bool GnomePointer::setAccelProfile(AccelProfile profile)
{
    return write(kAccelProfileKey, g_variant_new_string(accelProfileName(profile)));
}

bool GnomePointer::accelProfile(AccelProfile *profile)
{
    gchar *nick = g_settings_get_string(m_settings, kAccelProfileKey);
    const bool found = accelProfileFromName(nick, profile);
    g_free(nick);
    return found;
}

bool GnomePointer::setDoubleClickMs(int ms)
{
    return write(kDoubleClickKey, g_variant_new_int32(ms));
}

bool GnomePointer::doubleClickMs(int *ms)
{
    *ms = g_settings_get_int(m_settings, kDoubleClickKey);
    return true;
}

} // namespace platform
