#pragma once

// Outside a desktop session (cron, env -i, containers) XDG_RUNTIME_DIR is unset and Qt warns on
// standard error before falling back to a private folder in the temporary directory. This makes
// the same fallback quietly; call it before the application object is created.
void provideRuntimeFolder();
