#pragma once

#include "app/BatchCommands.h"

namespace parvela::app {

// "publish [--no-upload]": the transfer files and, unless told not to, their
// upload and the two requests, as "Şubelere Gönder" does.
BatchCommand publishCommand();
// "menu [--no-upload]": the digital menu page and its upload.
BatchCommand menuCommand();
// "price-list [--group-b CODE]": the price list of the weighed products (or
// of one Group B) on the desktop.
BatchCommand priceListCommand();

} // namespace parvela::app
