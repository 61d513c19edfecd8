// Devices and lines made from server states that this machine cannot have
// (cards with several ports, several outputs), and the volume/balance maths.

#include "engine/DeviceMap.h"
#include "engine/DeviceSnapshot.h"
#include "engine/PulseVolume.h"

#include <QTest>

#include <array>

namespace {

ServerSource source(quint32 index, const QString &name, const QString &description, quint32 card = PA_INVALID_INDEX,
                    quint32 monitorOf = PA_INVALID_INDEX)
{
    ServerSource s;
    s.index = index;
    s.name = name;
    s.description = description;
    s.card = card;
    s.monitorOfSink = monitorOf;
    pa_channel_map_init_stereo(&s.channelMap);
    pa_cvolume_set(&s.volume, 2, PA_VOLUME_NORM);
    return s;
}

// A laptop: one card with a two-port input and two outputs (speakers, HDMI),
// a USB headset card, a null sink, and a virtual source of no card.
ServerState laptop()
{
    ServerState st;
    st.cards = {{0, QStringLiteral("alsa_card.pci"), QStringLiteral("Built-in Audio")},
                {3, QStringLiteral("alsa_card.usb"), QStringLiteral("USB Headset")}};
    st.sinks = {{0, QStringLiteral("pci.analog"), QStringLiteral("Speakers"), 0, QStringLiteral("pci.analog.monitor")},
                {1, QStringLiteral("pci.hdmi"), QStringLiteral("HDMI"), 0, QStringLiteral("pci.hdmi.monitor")},
                {2, QStringLiteral("usb.out"), QStringLiteral("USB Headset"), 3, QStringLiteral("usb.out.monitor")},
                {5, QStringLiteral("null"), QStringLiteral("Null Output"), PA_INVALID_INDEX, QStringLiteral("null.monitor")}};
    ServerSource mic = source(10, QStringLiteral("pci.input"), QStringLiteral("Built-in Audio Analog Stereo"), 0);
    mic.ports = {{QStringLiteral("analog-input-mic"), QStringLiteral("Microphone")},
                 {QStringLiteral("analog-input-linein"), QStringLiteral("Line In")}};
    mic.activePort = QStringLiteral("analog-input-linein");
    ServerSource usbMic = source(12, QStringLiteral("usb.input"), QStringLiteral("USB Headset Mono"), 3);
    pa_channel_map_init_mono(&usbMic.channelMap);
    pa_cvolume_set(&usbMic.volume, 1, PA_VOLUME_NORM);
    st.sources = {source(20, QStringLiteral("pci.analog.monitor"), QStringLiteral("Monitor of Speakers"), 0, 0),
                  mic,
                  source(21, QStringLiteral("pci.hdmi.monitor"), QStringLiteral("Monitor of HDMI"), 0, 1),
                  usbMic,
                  source(22, QStringLiteral("usb.out.monitor"), QStringLiteral("Monitor of USB"), 3, 2),
                  source(23, QStringLiteral("null.monitor"), QStringLiteral("Monitor of Null"), PA_INVALID_INDEX, 5),
                  source(30, QStringLiteral("virt"), QStringLiteral("Echo-Cancel Source"))};
    st.defaultSource = QStringLiteral("pci.input");
    return st;
}

QStringList lineNames(const CaptureDevice &d)
{
    QStringList out;
    for (const auto &l : d.lines)
        out << l.name;
    return out;
}

} // namespace

class TestDeviceMap : public QObject
{
    Q_OBJECT

private slots:
    void cards_haveInputsPerPortThenOnePlaybackMixPerOutput()
    {
        const auto devices = mapDevices(laptop());
        QCOMPARE(devices.size(), 4);
        QCOMPARE(devices[0].name, QStringLiteral("Built-in Audio"));
        QCOMPARE(lineNames(devices[0]),
                 (QStringList{QStringLiteral("Microphone (Built-in Audio Analog Stereo)"),
                              QStringLiteral("Line In (Built-in Audio Analog Stereo)"),
                              QStringLiteral("Stereo Mix (Speakers)"), QStringLiteral("Stereo Mix (HDMI)")}));
        QCOMPARE(devices[0].lines[1].sourceName, QStringLiteral("pci.input"));
        QCOMPARE(devices[0].lines[1].portName, QStringLiteral("analog-input-linein"));
        QCOMPARE(devices[0].lines[2].sourceName, QStringLiteral("pci.analog.monitor"));
        QCOMPARE(devices[0].lines[2].kind, SourceLine::PlaybackMix);

        QCOMPARE(devices[1].name, QStringLiteral("USB Headset"));
        QCOMPARE(lineNames(devices[1]),
                 (QStringList{QStringLiteral("USB Headset Mono"), QStringLiteral("Stereo Mix (USB Headset)")}));
        QVERIFY(devices[1].lines[0].portName.isEmpty());

        // What belongs to no card stands alone: the null sink, then the virtual source.
        QCOMPARE(devices[2].name, QStringLiteral("Null Output"));
        QCOMPARE(lineNames(devices[2]), QStringList{QStringLiteral("Stereo Mix (Null Output)")});
        QCOMPARE(devices[3].name, QStringLiteral("Echo-Cancel Source"));
        QCOMPARE(devices[3].lines[0].sourceName, QStringLiteral("virt"));
    }

    void defaultLine_followsTheDefaultSourceAndItsActivePort()
    {
        ServerState st = laptop();
        auto devices = mapDevices(st);
        LinePosition def = findDefaultLine(devices, st);
        QCOMPARE(def.device, 0);
        QCOMPARE(def.line, 1);   // Line In is the active port
        QCOMPARE(initialLine(devices, 0, st), 1);
        QCOMPARE(initialLine(devices, 1, st), 0);   // no default there: the first line

        st.defaultSource = QStringLiteral("usb.out.monitor");
        def = findDefaultLine(devices, st);
        QCOMPARE(def.device, 1);
        QCOMPARE(def.line, 1);
        // The built-in card keeps its active port as its input.
        QCOMPARE(initialLine(devices, 0, st), 1);

        st.defaultSource = QStringLiteral("does.not.exist");
        QCOMPARE(findDefaultLine(devices, st).device, -1);
        QCOMPARE(initialLine(devices, 0, st), 1);
        QCOMPARE(initialLine(devices, 7, st), -1);
    }

    void edgeCases_namesStayUniqueAndEmptyThingsVanish()
    {
        ServerState st;
        st.cards = {{0, QStringLiteral("card"), QString()}};   // no description: its name
        st.sinks = {{0, QStringLiteral("a"), QStringLiteral("Out"), 0, QStringLiteral("a.monitor")},
                    {1, QStringLiteral("b"), QStringLiteral("Out"), 0, QStringLiteral("b.monitor")},
                    // a sink whose monitor we have not been told about yet
                    {2, QStringLiteral("c"), QStringLiteral("Lonely"), PA_INVALID_INDEX, QStringLiteral("c.monitor")}};
        st.sources = {source(0, QStringLiteral("a.monitor"), {}, 0, 0), source(1, QStringLiteral("b.monitor"), {}, 0, 1)};
        const auto devices = mapDevices(st);
        QCOMPARE(devices.size(), 1);
        QCOMPARE(devices[0].name, QStringLiteral("card"));
        QCOMPARE(lineNames(devices[0]), (QStringList{QStringLiteral("Stereo Mix (Out)"), QStringLiteral("Stereo Mix (Out) 2")}));

        QVERIFY(mapDevices(ServerState{}).isEmpty());
    }

    // How a user's words find a device, a line and an application; device
    // number 1 is not valid, so it is not in the snapshot.
    void snapshotLookups()
    {
        auto line = [](const char *name, qint32 stream = -1) {
            return SourceLineInfo{QString::fromUtf8(name), QString::fromUtf8(name), 48000, stream, false};
        };
        DeviceSnapshot snap;
        snap.devices = {{QStringLiteral("Card"), 0, {line("Mic"), line("Stereo Mix (Card)"), line("Game: Level 1", 41)}},
                        {QStringLiteral("0"), 2, {line("Mic"), line("Line")}},
                        {QStringLiteral("USB"), 3, {line("Line In"), line("Chat", 7), line("Game: Level 2", 12)}}};
        auto place = [](const LinePlace &p) { return QStringLiteral("%1/%2").arg(p.device).arg(p.line); };
        for (const auto &[what, words, found] : std::initializer_list<std::array<const char *, 3>>{
                 {"device", "Card", "0"}, {"device", "0", "2"} /* a name before a number */, {"device", "3", "3"},
                 {"device", "1", "-1"}, {"device", "99", "-1"}, {"device", "usb", "-1"}, {"device", "+3", "-1"},
                 {"line", "Mic", "0/0"}, {"line", "2", "0/2"}, {"line", "3", "0/-1"}, {"line", "mic", "0/-1"},
                 {"lines", "Mic", "0/0 2/0"}, {"lines", "Line In", "3/0"}, {"lines", "Nothing", ""},
                 {"app", "game", "0/2"}, {"app", "GAME: LEVEL 2", "3/2"}, {"app", "12", "3/2"}, {"app", "7", "3/1"},
                 {"app", "Chat", "3/1"}, {"app", "Gam", "-1/-1"}, {"app", "Mic", "-1/-1"}, {"app", "Level 1", "-1/-1"}}) {
            const QString w = QString::fromUtf8(words), kind = QString::fromUtf8(what);
            QStringList result;
            if (kind == QLatin1String("device"))
                result << QString::number(snap.findDevice(w) ? snap.findDevice(w)->index : -1);
            else if (kind == QLatin1String("line"))
                result << place({0, DeviceSnapshot::findLine(snap.devices[0], w)});
            else if (kind == QLatin1String("lines"))
                for (const LinePlace &p : snap.linesNamed(w))
                    result << place(p) + (snap.lineAt(p)->name == w ? QString() : QStringLiteral("?"));
            else
                result << place(snap.findApplication(w));
            QVERIFY2(result.join(QLatin1Char(' ')) == QLatin1String(found),
                     qPrintable(kind + ' ' + w + ": " + result.join(' ')));
        }
    }

    void volume_roundTripsEveryLevelAndKeepsTheBalance()
    {
        pa_cvolume cv;
        pa_cvolume_set(&cv, 2, PA_VOLUME_NORM);
        for (qint32 level = 0; level <= PulseVolume::MaxLevel; ++level)
            if (PulseVolume::levelOf(PulseVolume::withLevel(cv, level)) != level)
                QFAIL(qPrintable(QStringLiteral("level %1 does not come back").arg(level)));
        QCOMPARE(PulseVolume::withLevel(cv, PulseVolume::MaxLevel).values[0], PA_VOLUME_NORM);

        // Louder than 100 % on the server reads as the top of our range.
        pa_cvolume loud;
        pa_cvolume_set(&loud, 2, PA_VOLUME_NORM * 3 / 2);
        QCOMPARE(PulseVolume::levelOf(loud), PulseVolume::MaxLevel);

        // Scaling keeps the left/right ratio; from silence there is none to keep.
        pa_channel_map map;
        pa_channel_map_init_stereo(&map);
        const pa_cvolume leftish = PulseVolume::withBalance(cv, map, 25);
        const pa_cvolume quieter = PulseVolume::withLevel(leftish, 32768);
        QCOMPARE(PulseVolume::balanceOf(quieter, map), 25);
        QCOMPARE(PulseVolume::levelOf(quieter), 32768);
        pa_cvolume muted;
        pa_cvolume_set(&muted, 2, PA_VOLUME_MUTED);
        QCOMPARE(PulseVolume::levelOf(PulseVolume::withLevel(muted, 1000)), 1000);
    }

    void balance_roundTripsAndMonoHasNone()
    {
        pa_channel_map stereo;
        pa_channel_map_init_stereo(&stereo);
        pa_cvolume cv;
        pa_cvolume_set(&cv, 2, PA_VOLUME_NORM / 2);
        for (qint32 b = 0; b <= 100; ++b) {
            const pa_cvolume v = PulseVolume::withBalance(cv, stereo, b);
            QCOMPARE(PulseVolume::balanceOf(v, stereo), b);
            QCOMPARE(pa_cvolume_max(&v), PA_VOLUME_NORM / 2);
        }
        const pa_cvolume hardLeft = PulseVolume::withBalance(cv, stereo, 0);
        QCOMPARE(hardLeft.values[1], PA_VOLUME_MUTED);

        pa_channel_map mono;
        pa_channel_map_init_mono(&mono);
        pa_cvolume one;
        pa_cvolume_set(&one, 1, PA_VOLUME_NORM);
        QVERIFY(!PulseVolume::canBalance(mono));
        QCOMPARE(PulseVolume::balanceOf(one, mono), 50);
        const pa_cvolume unchanged = PulseVolume::withBalance(one, mono, 80);
        QVERIFY(pa_cvolume_equal(&one, &unchanged));
    }
};

QTEST_GUILESS_MAIN(TestDeviceMap)
#include "tst_devicemap.moc"
