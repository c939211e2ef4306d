#pragma once
// Leveled logging. Levels: 1 tracing and details, 3 problems worked around,
// 4 errors, 5 failures to create a window or hook. A message is written when
// the global priority is at most its level and its level is above the
// logger's own threshold; otherwise its text is never built, which is what
// keeps logging out of the keyboard hook's time budget.
#include <cstdio>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "kvo/String.h"

namespace kvo {

class LoggerStream {
public:
    LoggerStream& operator<<(const String& text);
    LoggerStream& operator<<(const char* utf8);
    LoggerStream& operator<<(const std::string& utf8);
    LoggerStream& operator<<(const UCS2Char* utf16);
    LoggerStream& operator<<(int number);
    LoggerStream& operator<<(unsigned int number);
    LoggerStream& operator<<(long number);
    LoggerStream& operator<<(unsigned long number);
    LoggerStream& operator<<(long long number);
    LoggerStream& operator<<(unsigned long long number);
    LoggerStream& operator<<(bool flag);  // 0 or 1, like the numbers it stands for
    const String& text() const { return m_text; }

private:
    String m_text;
};

// Where messages go; the host chooses (a log file, a test's memory).
class LogSink {
public:
    virtual ~LogSink() = default;
    virtual void write(const std::string& loggerName, int level, const String& message) = 0;
};

class Logger {
public:
    Logger(std::string name, int threshold) : m_name(std::move(name)), m_threshold(threshold) {}
    bool admits(int level) const;
    void log(int level, const LoggerStream& stream);

private:
    std::string m_name;
    int m_threshold;
};

class LogFactory {
public:
    // Fills `cache` on first use; the logger lives until the process ends.
    static Logger& createLogger(const std::string& name, Logger*& cache);
    static int getPriority();
    static void setPriority(int priority);
    // The factory owns the sink; null discards every message.
    static void setSink(std::unique_ptr<LogSink> sink);
    static LogSink* getSink();
};

// A named logger created on first use: one per class or file.
class LoggerRef {
public:
    explicit constexpr LoggerRef(const char* name) : m_name(name) {}
    bool admits(int level);
    Logger& get() { return LogFactory::createLogger(m_name, m_cache); }
    // The logger when `level` is admitted, else null (for trace scopes).
    Logger* ifAdmitted(int level) { return admits(level) ? &get() : nullptr; }

private:
    const char* m_name;
    Logger* m_cache = nullptr;
};

// Keeps messages in memory; tests read them back.
class MemoryLogSink : public LogSink {
public:
    struct Entry {
        std::string logger;
        int level;
        std::string message;  // UTF-8
    };
    void write(const std::string& loggerName, int level, const String& message) override;
    std::vector<Entry> entries() const;
    void clear();

private:
    mutable std::mutex m_mutex;
    std::vector<Entry> m_entries;
};

// Sends every message to a memory sink at `priority` for the life of the
// object, then puts back the previous priority and discards the sink: what a
// test needs to read back what the code under test logged.
class ScopedLogCapture {
public:
    explicit ScopedLogCapture(int priority);
    ~ScopedLogCapture();
    ScopedLogCapture(const ScopedLogCapture&) = delete;
    ScopedLogCapture& operator=(const ScopedLogCapture&) = delete;
    MemoryLogSink& sink() { return *m_sink; }

private:
    MemoryLogSink* m_sink;
    int m_savedPriority;
};

// Appends to a UTF-8 file, one line per message: time, level, logger, text.
class FileLogSink : public LogSink {
public:
    // Throws kvo::Exception when the file cannot be opened.
    explicit FileLogSink(const std::string& path);
    ~FileLogSink() override;
    FileLogSink(const FileLogSink&) = delete;
    FileLogSink& operator=(const FileLogSink&) = delete;
    void write(const std::string& loggerName, int level, const String& message) override;

private:
    std::FILE* m_file;
    std::mutex m_mutex;
};

// Marks a scope's entry and exit at level 1 on the logger, when one is given.
class TraceLogger {
public:
    TraceLogger(Logger* logger, const char* scopeName, const char* sourceFile, int line);
    ~TraceLogger();
    TraceLogger(const TraceLogger&) = delete;
    TraceLogger& operator=(const TraceLogger&) = delete;

private:
    Logger* m_logger;
    const char* m_scopeName;
    const char* m_sourceFile;
    int m_line;
};

}  // namespace kvo

// Writes "<line> <text>" at `level` to the LoggerRef `ref`. `text` is a chain
// for kvo::LoggerStream (`"error " << code`), evaluated only when admitted.
#define KVO_LOG(ref, level, text)                                   \
    do {                                                            \
        if ((ref).admits(level)) {                                  \
            ::kvo::LoggerStream kvoLogStream_;                      \
            kvoLogStream_ << __LINE__ << " " << text;               \
            (ref).get().log((level), kvoLogStream_);                \
        }                                                           \
    } while (false)

// Opens a trace scope named `name` on `ref` when level 1 is admitted. The
// scope reports `line`, a fixed number that names the scope in the log and
// must not move when the file around it is edited.
#define KVO_TRACE_SCOPE(ref, name, sourceFile, line) \
    ::kvo::TraceLogger kvoTraceScope_((ref).ifAdmitted(1), (name), (sourceFile), (line))
