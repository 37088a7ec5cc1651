#include "platform/mixer/memory/MemoryMixerBackend.h"

#include <QCoreApplication>
#include <QObject>

#include <algorithm>
#include <utility>

namespace platform {

namespace {

// Line and control identifiers: the destination is line slot 0, source k is slot k + 1;
// control c of a line is slot × 0x100 + c.
constexpr std::uint32_t DESTINATION_LINE_ID = 0xFFFF0000;
constexpr std::uint32_t CONTROLS_PER_LINE = 0x100;

std::uint32_t LineSlot(int line)
{
    return static_cast<std::uint32_t>(line + 1);
}

std::uint32_t LineId(int line)
{
    return line < 0 ? DESTINATION_LINE_ID : static_cast<std::uint32_t>(line);
}

std::uint32_t ControlId(int line, std::size_t control)
{
    return LineSlot(line) * CONTROLS_PER_LINE + static_cast<std::uint32_t>(control);
}

MIXERLINE Describe(const MemoryMixerDevice& device, int line)
{
    const MemoryLine& l = line < 0 ? *device.destination : device.sources[static_cast<std::size_t>(line)];
    MIXERLINE r;
    r.dwSource = line < 0 ? 0 : static_cast<std::uint32_t>(line);
    r.dwLineID = LineId(line);
    r.dwComponentType = l.componentType;
    r.cChannels = l.channels;
    r.cConnections = line < 0 ? static_cast<std::uint32_t>(device.sources.size()) : 0;
    r.cControls = static_cast<std::uint32_t>(l.controls.size());
    r.szShortName = l.name;
    r.szName = l.name;
    return r;
}

MIXERCONTROL Describe(const MemoryControl& c, std::uint32_t id)
{
    MIXERCONTROL r;
    r.dwControlID = id;
    r.dwControlType = c.type;
    r.fdwControl = c.flags;
    r.cMultipleItems = c.items;
    r.dwMinimum = c.minimum;
    r.dwMaximum = c.maximum;
    r.cSteps = c.steps;
    return r;
}

} // namespace

class MemoryMixer;

struct MemoryMixerBackend::State {
    std::vector<MemoryMixerDevice> devices = VirtualMixerDevices();
    unsigned defaultDevice = 0;
    unsigned writes = 0;
    std::vector<MemoryMixer*> open;

    // The line (-1: destination) with this identifier, if the device has it.
    static std::optional<int> FindLine(const MemoryMixerDevice& device, std::uint32_t lineId)
    {
        if (!device.destination)
            return std::nullopt;
        if (lineId == DESTINATION_LINE_ID)
            return -1;
        if (lineId < device.sources.size())
            return static_cast<int>(lineId);
        return std::nullopt;
    }

    static MemoryLine& Line(MemoryMixerDevice& device, int line)
    {
        return line < 0 ? *device.destination : device.sources[static_cast<std::size_t>(line)];
    }

    void Notify(std::uint32_t mixerId, std::uint32_t controlId);
};

class MemoryMixer : public IMixer {
public:
    MemoryMixer(std::shared_ptr<MemoryMixerBackend::State> state, std::uint32_t mixerId, QObject* target)
        : m_pState(std::move(state)), m_nMixerId(mixerId), m_pTarget(target)
    {
        m_pState->open.push_back(this);
    }

    ~MemoryMixer() override { std::erase(m_pState->open, this); }

    std::uint32_t MixerId() const { return m_nMixerId; }
    QObject* Target() const { return m_pTarget; }

    MMRESULT GetDestinationByComponentType(std::uint32_t componentType, MIXERLINE& line) override
    {
        MemoryMixerDevice* device = Device();
        if (!device)
            return MMSYSERR_NODRIVER;
        if (!device->destination || device->destination->componentType != componentType)
            return MIXERR_INVALLINE;
        line = Describe(*device, -1);
        return MMSYSERR_NOERROR;
    }

    MMRESULT GetSourceLine(std::uint32_t destination, std::uint32_t source, MIXERLINE& line) override
    {
        MemoryMixerDevice* device = Device();
        if (!device)
            return MMSYSERR_NODRIVER;
        if (!device->destination || destination != 0 || source >= device->sources.size())
            return MIXERR_INVALLINE;
        line = Describe(*device, static_cast<int>(source));
        return MMSYSERR_NOERROR;
    }

    MMRESULT GetLineControls(std::uint32_t lineId, std::vector<MIXERCONTROL>& controls) override
    {
        MemoryMixerDevice* device = Device();
        if (!device)
            return MMSYSERR_NODRIVER;
        const auto line = MemoryMixerBackend::State::FindLine(*device, lineId);
        if (!line)
            return MIXERR_INVALLINE;
        const auto& own = MemoryMixerBackend::State::Line(*device, *line).controls;
        controls.clear();
        for (std::size_t c = 0; c < own.size(); ++c)
            controls.push_back(Describe(own[c], ControlId(*line, c)));
        return MMSYSERR_NOERROR;
    }

    MMRESULT GetControlDetails(std::uint32_t controlId, std::uint32_t channels, std::uint32_t items,
                               std::vector<std::uint32_t>& values) override
    {
        Found f;
        if (const MMRESULT r = Find(controlId, channels, items, f); r != MMSYSERR_NOERROR)
            return r;
        const std::uint32_t perChannel = items ? items : 1;
        values.assign(ControlValueCount(channels, items), 0);
        for (std::uint32_t ch = 0; ch < channels; ++ch)
            for (std::uint32_t i = 0; i < perChannel; ++i)
                values[ch * perChannel + i] = f.control->values[std::min(ch, f.stored - 1) * perChannel + i];
        return MMSYSERR_NOERROR;
    }

    MMRESULT SetControlDetails(std::uint32_t controlId, std::uint32_t channels, std::uint32_t items,
                               const std::vector<std::uint32_t>& values) override
    {
        Found f;
        if (const MMRESULT r = Find(controlId, channels, items, f); r != MMSYSERR_NOERROR)
            return r;
        if (values.size() != ControlValueCount(channels, items))
            return MMSYSERR_INVALPARAM;
        const std::uint32_t perChannel = items ? items : 1;
        for (std::uint32_t ch = 0; ch < f.stored; ++ch)
            for (std::uint32_t i = 0; i < perChannel; ++i)
                f.control->values[ch * perChannel + i] = values[std::min(ch, channels - 1) * perChannel + i];
        ++m_pState->writes;
        m_pState->Notify(m_nMixerId, controlId);
        return MMSYSERR_NOERROR;
    }

private:
    struct Found {
        MemoryControl* control = nullptr;
        std::uint32_t stored = 0; // channels the control keeps values for
    };

    MemoryMixerDevice* Device()
    {
        return m_nMixerId < m_pState->devices.size() ? &m_pState->devices[m_nMixerId] : nullptr;
    }

    MMRESULT Find(std::uint32_t controlId, std::uint32_t channels, std::uint32_t items, Found& f)
    {
        MemoryMixerDevice* device = Device();
        if (!device)
            return MMSYSERR_NODRIVER;
        const std::uint32_t slot = controlId / CONTROLS_PER_LINE;
        const std::size_t index = controlId % CONTROLS_PER_LINE;
        const int line = static_cast<int>(slot) - 1;
        if (!device->destination || (line >= 0 && static_cast<std::size_t>(line) >= device->sources.size()))
            return MIXERR_INVALCONTROL;
        MemoryLine& owner = MemoryMixerBackend::State::Line(*device, line);
        if (index >= owner.controls.size())
            return MIXERR_INVALCONTROL;
        MemoryControl& control = owner.controls[index];
        const bool multiple = control.flags & MIXERCONTROL_CONTROLF_MULTIPLE;
        if (items != (multiple ? control.items : 0) || (multiple && items == 0))
            return MMSYSERR_INVALPARAM;
        if (channels != 1 && channels != owner.channels)
            return MMSYSERR_INVALPARAM;
        const std::uint32_t stored = (control.flags & MIXERCONTROL_CONTROLF_UNIFORM) ? 1 : owner.channels;
        // A test that built a control with too few values has built a broken device.
        if (control.values.size() != ControlValueCount(stored, items))
            return MMSYSERR_ERROR;
        f = Found{&control, stored};
        return MMSYSERR_NOERROR;
    }

    std::shared_ptr<MemoryMixerBackend::State> m_pState;
    std::uint32_t m_nMixerId;
    QObject* m_pTarget;
};

void MemoryMixerBackend::State::Notify(std::uint32_t mixerId, std::uint32_t controlId)
{
    for (MemoryMixer* m : open)
        if (m->MixerId() == mixerId && m->Target())
            QCoreApplication::postEvent(m->Target(), new MixerEvent(MM_MIXM_CONTROL_CHANGE, mixerId, controlId));
}

MemoryMixerBackend::MemoryMixerBackend() : m_pState(std::make_shared<State>()) {}

MemoryMixerBackend::~MemoryMixerBackend() = default;

void MemoryMixerBackend::SetDevices(std::vector<MemoryMixerDevice> devices)
{
    m_pState->devices = std::move(devices);
}

void MemoryMixerBackend::SetDefaultDevice(unsigned device)
{
    m_pState->defaultDevice = device;
}

MemoryMixerDevice& MemoryMixerBackend::Device(unsigned device)
{
    return m_pState->devices.at(device);
}

void MemoryMixerBackend::SetFromOutside(unsigned device, int line, unsigned control, std::vector<std::uint32_t> values)
{
    State::Line(m_pState->devices.at(device), line).controls.at(control).values = std::move(values);
    m_pState->Notify(device, ControlId(line, control));
}

unsigned MemoryMixerBackend::WriteCount() const
{
    return m_pState->writes;
}

unsigned MemoryMixerBackend::OpenMixerCount() const
{
    return static_cast<unsigned>(m_pState->open.size());
}

unsigned MemoryMixerBackend::DeviceCount()
{
    return static_cast<unsigned>(m_pState->devices.size());
}

MMRESULT MemoryMixerBackend::GetMixerId(std::uint32_t waveInDevice, std::uint32_t& mixerId)
{
    const std::uint32_t device = waveInDevice == DEFAULT_WAVEIN ? m_pState->defaultDevice : waveInDevice;
    if (device >= m_pState->devices.size())
        return MMSYSERR_BADDEVICEID;
    if (m_pState->devices[device].probeFails)
        return MMSYSERR_ALLOCATED;
    mixerId = device;
    return MMSYSERR_NOERROR;
}

MMRESULT MemoryMixerBackend::Open(std::uint32_t mixerId, QObject* target, std::unique_ptr<IMixer>& mixer)
{
    if (mixerId >= m_pState->devices.size())
        return MMSYSERR_BADDEVICEID;
    if (m_pState->devices[mixerId].openFails)
        return MMSYSERR_ALLOCATED;
    mixer = std::make_unique<MemoryMixer>(m_pState, mixerId, target);
    return MMSYSERR_NOERROR;
}

} // namespace platform
