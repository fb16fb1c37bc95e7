#pragma once
// A remote module of the application server: a set of methods the screens call by name with
// positional arguments. Every module defines, checks and runs its methods the same way: a table
// of methods with the types of their arguments, one connection to the store per call, and a raw
// answer (Answer.h) whatever happens inside.
//
// Thread-safety: Dispatch may be called from several threads at once; the table is only read.
#include "DateTime.h"
#include "ServerConfig.h"
#include "Variant.h"

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace appserver {

class SqliteDatabase;

class RemoteModule {
public:
    // Opens the store and brings its schema up to date; raises StoreError when it cannot.
    explicit RemoteModule(ServerConfig config);
    virtual ~RemoteModule() = default;
    RemoteModule(const RemoteModule&) = delete;
    RemoteModule& operator=(const RemoteModule&) = delete;

    // Runs the method with positional arguments and returns its raw answer. Never throws: an
    // unknown method, a wrong argument count or type, a refused check and a failure of the store
    // all come back as failure answers.
    Variant Dispatch(const std::string& method, const Variant::Array& args);

    std::vector<std::string> MethodNames() const;
    const ServerConfig& Config() const { return config_; }

protected:
    enum class Argument { Text, Day, Value, Number };
    struct Method {
        std::vector<Argument> arguments;
        std::function<Variant(SqliteDatabase&, const Variant::Array&)> run;
    };

    static std::string AsText(const Variant& value) { return value.AsString(); }
    // A Day argument: a date, or a day count as a number.
    static TDateTime AsDay(const Variant& value);

    ServerConfig config_;
    std::map<std::string, Method> methods_;

private:
    static std::string CheckArguments(const std::string& name, const Method& method, const Variant::Array& args);
};

}  // namespace appserver
