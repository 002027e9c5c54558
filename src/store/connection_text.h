// Where OfficeData.db lies and the connection text that names it. The text is built as the
// program has always built it (provider, data source, database password); the SQLite service
// only needs the data source out of it.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace horalix {

inline constexpr std::string_view kOfficeDataFileName = "OfficeData.db";

// The program folder, with "\" appended when it does not end in one, followed by the file name.
std::string officeDataPath(std::string_view programFolder);

// "provider=Microsoft.jet.OLEDB.4.0;data source=" & path & ";Jet OLEDB:Database Password=" &
// password, by plain concatenation.
std::string connectionText(std::string_view dataSourcePath, std::string_view password);

// The value of "data source=" in a connection text; nullopt when it names none. The value runs
// to the database password's keyword that follows it, so that a folder whose name holds ";" and
// a keyword ("mode=", "password=") still names the right file.
std::optional<std::string> dataSourceOf(std::string_view connectionText);

}  // namespace horalix
