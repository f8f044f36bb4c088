#include "model/LoadingSequence.h"

#include "model/IndentDiameter.h"

#include <algorithm>
#include <cstdint>

namespace {

constexpr std::string_view SliceLabel = "%=";
constexpr int RedSliceValue = 20;
constexpr int ThirdSliceBase = 300;
constexpr int ThirdSliceStep = 30;
constexpr int PixelsPerMillimetre = 10;

} // namespace

void LoadingSequence::start()
{
    m_requests.loadSchemeFile(SchemeFile1);
    m_requests.hideStartButton();
    m_state.Loading = true;
}

void LoadingSequence::tick()
{
    if (m_state.Loading)
        advance();

    if (m_state.TickCount == StageLength) {
        m_state.DialTickOffset = StageLength;
        m_state.DialLeadValue = 0;
        m_requests.loadSchemeFile(SchemeFile2);
    }
    if (m_state.TickCount == SequenceLength) {
        m_state.Loading = false;
        m_requests.showMagnifyButton();
    }
    if (m_state.TickCount >= SequenceLength && !m_state.Loading) {
        try {
            m_requests.loadSchemeFile(SchemeFile3);
        } catch (...) {
            // Stop anyway: a timer left running would repeat this failed load, and
            // its report, on every later tick.
            m_requests.stopTimer();
            throw;
        }
        m_requests.stopTimer();
    }
}

void LoadingSequence::advance()
{
    m_requests.clearDial();
    m_requests.addDialSlice(m_state.DialLeadValue, SliceLabel, clWhite);
    m_requests.addDialSlice(RedSliceValue, SliceLabel, clRed);
    const int thirdSlice =
        (m_state.TickCount - m_state.DialTickOffset) * ThirdSliceStep + ThirdSliceBase;
    m_requests.addDialSlice(thirdSlice, SliceLabel, clWhite);
    m_state.TickCount += 1;

    const std::int64_t fullRadius = IndentRadius(m_state.IndentDiameter, PixelsPerMillimetre);
    m_requests.drawGrowthFrame(std::min<std::int64_t>(m_state.TickCount, fullRadius));
}
