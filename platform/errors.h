// The program's typed errors. Everything below the window throws one of these and catches
// nothing; the one error reporter turns Message() + "." into what the user sees.
#pragma once

#include <exception>
#include <string>

class Exception : public std::exception {
public:
    explicit Exception(std::string message) : message_(std::move(message)) {}
    const std::string& Message() const noexcept { return message_; }
    const char* what() const noexcept override { return message_.c_str(); }

private:
    std::string message_;
};

// A text that is not a number of the kind asked for.
class EConvertError : public Exception {
public:
    using Exception::Exception;
};

// Floating-point faults: the run stops at the operation that would have trapped.
class EMathError : public Exception {
public:
    using Exception::Exception;
};

class EInvalidOp : public EMathError {
public:
    EInvalidOp() : EMathError("無効な浮動小数点操作") {}
};

class EZeroDivide : public EMathError {
public:
    EZeroDivide() : EMathError("浮動小数点ｴﾗｰ: ｾﾞﾛによる除算") {}
};

class EOverflow : public EMathError {
public:
    EOverflow() : EMathError("浮動小数点ｴﾗｰ: ｵｰﾊﾞｰﾌﾛｰ") {}
};

// Integer faults.
class EIntError : public Exception {
public:
    using Exception::Exception;
};

class EDivByZero : public EIntError {
public:
    EDivByZero() : EIntError("0 による除算") {}
};
