#include "kvo/Logging.h"

#include <atomic>
#include <chrono>
#include <ctime>
#include <map>

#include "kvo/Exception.h"

namespace kvo {
namespace {

// Messages from level 3 up unless the host says otherwise.
std::atomic<int> g_priority{3};

struct Registry {
    std::mutex mutex;
    std::map<std::string, std::unique_ptr<Logger>> loggers;
    std::unique_ptr<LogSink> sink;
};

Registry& registry() {
    static Registry* instance = new Registry;  // never destroyed: loggers outlive static destructors
    return *instance;
}

}  // namespace

LoggerStream& LoggerStream::operator<<(const String& text) {
    m_text += text;
    return *this;
}
LoggerStream& LoggerStream::operator<<(const char* utf8) {
    m_text += utf8;
    return *this;
}
LoggerStream& LoggerStream::operator<<(const std::string& utf8) { return *this << utf8.c_str(); }
LoggerStream& LoggerStream::operator<<(const UCS2Char* utf16) { return *this << String(utf16); }
LoggerStream& LoggerStream::operator<<(int number) { return *this << std::to_string(number); }
LoggerStream& LoggerStream::operator<<(unsigned int number) { return *this << std::to_string(number); }
LoggerStream& LoggerStream::operator<<(long number) { return *this << std::to_string(number); }
LoggerStream& LoggerStream::operator<<(unsigned long number) { return *this << std::to_string(number); }
LoggerStream& LoggerStream::operator<<(long long number) { return *this << std::to_string(number); }
LoggerStream& LoggerStream::operator<<(unsigned long long number) { return *this << std::to_string(number); }
LoggerStream& LoggerStream::operator<<(bool flag) { return *this << (flag ? "1" : "0"); }

bool Logger::admits(int level) const { return LogFactory::getPriority() <= level && level > m_threshold; }

void Logger::log(int level, const LoggerStream& stream) {
    Registry& r = registry();
    std::lock_guard<std::mutex> lock(r.mutex);
    if (r.sink) r.sink->write(m_name, level, stream.text());
}

Logger& LogFactory::createLogger(const std::string& name, Logger*& cache) {
    if (cache != nullptr) return *cache;
    Registry& r = registry();
    std::lock_guard<std::mutex> lock(r.mutex);
    std::unique_ptr<Logger>& slot = r.loggers[name];
    if (!slot) slot = std::make_unique<Logger>(name, 0);
    cache = slot.get();
    return *cache;
}

int LogFactory::getPriority() { return g_priority.load(std::memory_order_relaxed); }

void LogFactory::setPriority(int priority) { g_priority.store(priority, std::memory_order_relaxed); }

void LogFactory::setSink(std::unique_ptr<LogSink> sink) {
    Registry& r = registry();
    std::lock_guard<std::mutex> lock(r.mutex);
    r.sink = std::move(sink);
}

LogSink* LogFactory::getSink() {
    Registry& r = registry();
    std::lock_guard<std::mutex> lock(r.mutex);
    return r.sink.get();
}

bool LoggerRef::admits(int level) {
    // The global priority is checked first so that a rejected message costs
    // one load and a compare, without creating the logger.
    return LogFactory::getPriority() <= level && get().admits(level);
}

void MemoryLogSink::write(const std::string& loggerName, int level, const String& message) {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_entries.push_back({loggerName, level, message.toUtf8()});
}

std::vector<MemoryLogSink::Entry> MemoryLogSink::entries() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_entries;
}

void MemoryLogSink::clear() {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_entries.clear();
}

ScopedLogCapture::ScopedLogCapture(int priority) : m_savedPriority(LogFactory::getPriority()) {
    auto sink = std::make_unique<MemoryLogSink>();
    m_sink = sink.get();
    LogFactory::setSink(std::move(sink));
    LogFactory::setPriority(priority);
}

ScopedLogCapture::~ScopedLogCapture() {
    LogFactory::setSink(nullptr);
    LogFactory::setPriority(m_savedPriority);
}

FileLogSink::FileLogSink(const std::string& path) : m_file(std::fopen(path.c_str(), "ab")) {
    if (m_file == nullptr) throw Exception(String("Cannot open the log file ") + path.c_str(), __FILE__, __LINE__);
}

FileLogSink::~FileLogSink() { std::fclose(m_file); }

void FileLogSink::write(const std::string& loggerName, int level, const String& message) {
    using namespace std::chrono;
    auto now = system_clock::now();
    std::time_t seconds = system_clock::to_time_t(now);
    auto millis = duration_cast<milliseconds>(now.time_since_epoch()).count() % 1000;
    std::tm utc{};
#ifdef _WIN32
    gmtime_s(&utc, &seconds);
#else
    gmtime_r(&seconds, &utc);
#endif
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y-%m-%dT%H:%M:%S", &utc);
    std::lock_guard<std::mutex> lock(m_mutex);
    std::fprintf(m_file, "%s.%03dZ %d %s: %s\n", stamp, static_cast<int>(millis), level, loggerName.c_str(),
                 message.toUtf8().c_str());
    std::fflush(m_file);
}

TraceLogger::TraceLogger(Logger* logger, const char* scopeName, const char* sourceFile, int line)
    : m_logger(logger), m_scopeName(scopeName), m_sourceFile(sourceFile), m_line(line) {
    if (m_logger != nullptr && m_logger->admits(1)) {
        LoggerStream s;
        s << m_line << " Entering " << m_scopeName << " (" << m_sourceFile << ")";
        m_logger->log(1, s);
    }
}

TraceLogger::~TraceLogger() {
    if (m_logger != nullptr && m_logger->admits(1)) {
        LoggerStream s;
        s << m_line << " Leaving " << m_scopeName << " (" << m_sourceFile << ")";
        m_logger->log(1, s);
    }
}

}  // namespace kvo
