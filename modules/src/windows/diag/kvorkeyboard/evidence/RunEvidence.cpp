#include "RunEvidence.h"

#include "evidence/logic/JournalSummary.h"
#include "vemo5/DiagModule.h"

namespace kvorkeyboard {
namespace {

RunEvidence* g_pRunEvidence = nullptr;

}  // namespace

RunEvidence::RunEvidence(PerformanceClock& clock)
    : m_clock(clock),
      m_journal(std::make_unique<KeystrokeJournal>(vemo5::DiagModule::chatterThresholdMs(), clock.ticksPerSecond())),
      m_previous(g_pRunEvidence) {
    g_pRunEvidence = this;
}

RunEvidence::~RunEvidence() { g_pRunEvidence = m_previous; }

RunEvidence* currentRunEvidence() { return g_pRunEvidence; }

void RunEvidence::notePicture(std::vector<vemo5::PictureKey> notPressed, std::vector<std::uint8_t> png) {
    m_notPressed = std::move(notPressed);
    m_png = std::move(png);
}

vemo5::Observations RunEvidence::observations() const {
    vemo5::Observations observations = summarize(*m_journal);
    observations.keysNotPressed = m_notPressed;
    observations.picturePng = m_png;
    return observations;
}

void RunEvidence::handOver() const { vemo5::DiagModule::recordObservations(observations()); }

}  // namespace kvorkeyboard
