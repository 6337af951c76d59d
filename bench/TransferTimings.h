#pragma once

namespace parvela::platform {
class Settings;
}

namespace parvela::bench {

// Loads the catalogue, writes the branches' transfer files as "Şubelere
// Gönder" does when it only writes them, and a plain buffered write of the
// same bytes, taking turns; prints the medians.
void printTransferTimings(const platform::Settings& settings);

} // namespace parvela::bench
