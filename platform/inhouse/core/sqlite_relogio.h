#pragma once
// SQLite's "now" (date('now'), CURRENT_TIMESTAMP) from the server's clock instead of the system's,
// so that a simulated date (QV_DATETIME) reaches the store too: data seeded relative to today and
// the stand-ins' own date queries then agree with every other reading of the clock.

namespace inhouse::sqlite {

// Makes the default file system of SQLite a copy of the system's one whose current time is the
// server's clock. Once per process, before the first connection opens.
void usa_relogio_do_servidor() noexcept;

}  // namespace inhouse::sqlite
