#pragma once
#include <stdexcept>
#include <string>

namespace dao {

/// Every failure of the data layer: SQLite's message and result code, or our own
/// conversion errors (code 0).
class Error : public std::runtime_error {
public:
    Error(const std::string& message, int code) : std::runtime_error(message), code_(code) { }
    int code() const { return code_; }

private:
    int code_;
};

} // namespace dao
