#pragma once
// The platform's exception classes. EAbort is the silent one: the top-level dispatcher swallows
// it, so a check that has already shown its message can cancel the user's action with it.
#include <stdexcept>
#include <string>

class Exception : public std::runtime_error {
public:
    explicit Exception(const std::string& message) : std::runtime_error(message) {}
    std::string Message() const { return what(); }
};

class EAbort : public Exception {
public:
    EAbort() : Exception("Operation aborted") {}
};

class EConvertError : public Exception {
    using Exception::Exception;
};

class EDatabaseError : public Exception {
    using Exception::Exception;
};

class EInOutError : public Exception {
    using Exception::Exception;
};

class EInvalidOperation : public Exception {
    using Exception::Exception;
};

class EStringListError : public Exception {
    using Exception::Exception;
};

class EVariantError : public Exception {
    using Exception::Exception;
};

// Raises EAbort.
[[noreturn]] void Abort();
