<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>Accessibility</name>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
</context>
<context>
    <name>AddressProbe</name>
    <message>
        <source>not found on the server (HTTP %1)</source>
        <translation>サーバー上に見つかりません (HTTP %1)</translation>
    </message>
    <message>
        <source>the server refused it (HTTP %1)</source>
        <translation>サーバーに拒否されました (HTTP %1)</translation>
    </message>
    <message>
        <source>not a media stream: the server sends %1</source>
        <translation>メディアストリームではありません: サーバーが送信しているのは %1 です</translation>
    </message>
    <message>
        <source>the connection was refused: nothing answers at %1</source>
        <translation>接続が拒否されました: %1 で応答するものがありません</translation>
    </message>
    <message>
        <source>the host %1 was not found</source>
        <translation>ホスト %1 が見つかりません</translation>
    </message>
    <message>
        <source>the server at %1 does not answer</source>
        <translation>%1 のサーバーが応答しません</translation>
    </message>
</context>
<context>
    <name>AudioDisplayWidget</name>
    <message>
        <source>Level display</source>
        <translation>レベル表示</translation>
    </message>
    <message>
        <source>Oscilloscope</source>
        <translation>オシロスコープ</translation>
    </message>
    <message>
        <source>Spectrum</source>
        <translation>スペクトラム</translation>
    </message>
    <message>
        <source>Level meters</source>
        <translation>レベルメーター</translation>
    </message>
    <message>
        <source>Spectrogram</source>
        <translation>スペクトログラム</translation>
    </message>
    <message>
        <source>Level history</source>
        <translation>レベル履歴</translation>
    </message>
</context>
<context>
    <name>AudioFailure</name>
    <message>
        <source>Out of memory</source>
        <translation>メモリが不足しています</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>不明なエラー</translation>
    </message>
</context>
<context>
    <name>Conversation</name>
    <message>
        <source>A conversation with each source in a channel of its own is recorded in stereo.</source>
        <translation>ソースごとに別のチャンネルに入れる会話はステレオで録音します。</translation>
    </message>
    <message>
        <source>The second source cannot be recorded: %1</source>
        <translation>2 つ目のソースを録音できません: %1</translation>
    </message>
</context>
<context>
    <name>FileChoice</name>
    <message>
        <source>Speech</source>
        <translation>音声</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>音楽</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>最高</translation>
    </message>
</context>
<context>
    <name>FileType</name>
    <message>
        <source>%1 holds 8, 12, 16, 24 or 48 kHz only</source>
        <translation>%1 は 8、12、16、24、48 kHz のみに対応しています</translation>
    </message>
</context>
<context>
    <name>FormFlash</name>
    <message>
        <source>Version 5.0</source>
        <translation>バージョン 5.0</translation>
    </message>
    <message>
        <source>Copyright © 2026 The Tarvell Recorder developers</source>
        <translation>Copyright © 2026 Tarvell Recorder 開発者</translation>
    </message>
    <message>
        <source>Tarvell Recorder</source>
        <translation>Tarvell Recorder</translation>
    </message>
    <message>
        <source>Records what your computer hears</source>
        <translation>コンピューターに聞こえる音を録音</translation>
    </message>
</context>
<context>
    <name>FormWAV</name>
    <message>
        <source>WAV Option</source>
        <translation>WAV オプション</translation>
    </message>
    <message>
        <source>Presets</source>
        <translation>プリセット</translation>
    </message>
    <message>
        <source>Smallest file size</source>
        <translation>最小のファイルサイズ</translation>
    </message>
    <message>
        <source>Best sound quality</source>
        <translation>最高の音質</translation>
    </message>
    <message>
        <source> Frequency (Hz) </source>
        <translation> 周波数 (Hz) </translation>
    </message>
    <message>
        <source> Channels Mode </source>
        <translation> チャンネル </translation>
    </message>
    <message>
        <source>Mono</source>
        <translation>モノラル</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>ステレオ</translation>
    </message>
    <message>
        <source> Bits Per Sample </source>
        <translation> 量子化ビット数 </translation>
    </message>
    <message>
        <source>8 Bit</source>
        <translation>8 bit</translation>
    </message>
    <message>
        <source>16 Bit</source>
        <translation>16 bit</translation>
    </message>
    <message>
        <source> File Type </source>
        <translation> ファイルの種類 </translation>
    </message>
    <message>
        <source>The kind of file the recording is written as. A name that ends in .wav, .flac, .opus, .ogg or .mp3 chooses it too.</source>
        <translation>録音を書き込むファイルの種類です。名前の末尾が .wav、.flac、.opus、.ogg、.mp3 の場合は、それによっても種類が決まります。</translation>
    </message>
    <message>
        <source>Quality:</source>
        <translation>音質:</translation>
    </message>
    <message>
        <source>Speech makes the smallest files, Best the largest.</source>
        <translation>「音声」ではファイルが最も小さく、「最高」では最も大きくなります。</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>The recording cannot be written as %1: %2</source>
        <translation>録音を %1 として書き込めません: %2</translation>
    </message>
    <message>
        <source>%1: %2 Hz is chosen instead of %3 Hz.</source>
        <translation>%1: %3 Hz の代わりに %2 Hz を選択しました。</translation>
    </message>
    <message>
        <source>%1 files are made from 16-bit sound.</source>
        <translation>%1 ファイルは 16 ビットの音から作成されます。</translation>
    </message>
    <message>
        <source>24 Bit</source>
        <translation>24 bit</translation>
    </message>
    <message>
        <source>32 Bit Float</source>
        <translation>32 bit 浮動小数点</translation>
    </message>
    <message>
        <source>Keeps sound that goes past full scale, to be turned down when it is edited.</source>
        <translation>フルスケールを超える音も保持し、編集時に音量を下げられます。</translation>
    </message>
    <message>
        <source>%1 files keep float sound in 24 bits.</source>
        <translation>%1 ファイルは浮動小数点の音を 24 ビットで保存します。</translation>
    </message>
</context>
<context>
    <name>FrmPlayWav</name>
    <message>
        <source>Wav Player</source>
        <translation>Wav プレーヤー</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>ファイル:</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Tarvell Recorder Help</source>
        <translation>Tarvell Recorder ヘルプ</translation>
    </message>
    <message>
        <source>&lt;h2&gt;The help pages are missing&lt;/h2&gt;&lt;p&gt;Tarvell Recorder could not find its help pages. They belong in the folder &lt;b&gt;help&lt;/b&gt; beside the program, or, for an installed program, in &lt;b&gt;share/tarvell-recorder/help&lt;/b&gt; of the folder it was installed into.&lt;/p&gt;&lt;p&gt;Installing the program again puts them back. Everything else works without them.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;ヘルプページが見つかりません&lt;/h2&gt;&lt;p&gt;Tarvell Recorder のヘルプページが見つかりませんでした。ヘルプページは、プログラムと同じ場所にある &lt;b&gt;help&lt;/b&gt; フォルダー、またはインストールされたプログラムの場合は、インストール先フォルダー内の &lt;b&gt;share/tarvell-recorder/help&lt;/b&gt; に置かれます。&lt;/p&gt;&lt;p&gt;プログラムをもう一度インストールすると元に戻ります。ヘルプページがなくても、ほかの機能はすべて動作します。&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>ナビゲーション</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>戻る(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>進む(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>目次(&amp;C)</translation>
    </message>
</context>
<context>
    <name>MediaFilters</name>
    <message>
        <source>Media files (all types)</source>
        <translation>メディアファイル (すべての種類)</translation>
    </message>
    <message>
        <source>Audio file (*.wav;*.flac;*.opus;*.ogg;*.snd;*.au;*.aif;*.aifc;*.aiff;*.wma;*.mp3)</source>
        <translation>オーディオファイル (*.wav;*.flac;*.opus;*.ogg;*.snd;*.au;*.aif;*.aifc;*.aiff;*.wma;*.mp3)</translation>
    </message>
    <message>
        <source>MIDI file (*.mid;*.rmi;*.midi)</source>
        <translation>MIDI ファイル (*.mid;*.rmi;*.midi)</translation>
    </message>
    <message>
        <source>Movie File (MPEG) (*.mpeg;*.mpg;*.m1v;*.mp2;*.mpa;*.mpe)</source>
        <translation>ムービーファイル (MPEG) (*.mpeg;*.mpg;*.m1v;*.mp2;*.mpa;*.mpe)</translation>
    </message>
    <message>
        <source>Video file (*.avi;*.wmv)</source>
        <translation>ビデオファイル (*.avi;*.wmv)</translation>
    </message>
    <message>
        <source>Windows Media file (*.asf;*.wm;*.wma;*.wmv)</source>
        <translation>Windows Media ファイル (*.asf;*.wm;*.wma;*.wmv)</translation>
    </message>
    <message>
        <source>Media Playlist (*.asx;*.wax;*.m3u;*.wvx;*.wmx)</source>
        <translation>メディアプレイリスト (*.asx;*.wax;*.m3u;*.wvx;*.wmx)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>すべてのファイル (*.*)</translation>
    </message>
</context>
<context>
    <name>MediaPlayerWidget</name>
    <message>
        <source>it cannot be read</source>
        <translation>読み取れません</translation>
    </message>
    <message>
        <source>its format is not supported</source>
        <translation>形式がサポートされていません</translation>
    </message>
    <message>
        <source>the network failed</source>
        <translation>ネットワークエラーが発生しました</translation>
    </message>
    <message>
        <source>access was denied</source>
        <translation>アクセスが拒否されました</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>不明なエラー</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>再生</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>一時停止</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>再生位置</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>ファイルが存在しません</translation>
    </message>
    <message>
        <source>this is not a valid address</source>
        <translation>有効なアドレスではありません</translation>
    </message>
    <message>
        <source>Cannot play this address: %1</source>
        <translation>このアドレスを再生できません: %1</translation>
    </message>
    <message>
        <source>Cannot play this file: %1</source>
        <translation>このファイルを再生できません: %1</translation>
    </message>
    <message>
        <source>No media</source>
        <translation>メディアなし</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Buffering... %1%</source>
        <translation>バッファリング中... %1%</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>再生中</translation>
    </message>
    <message>
        <source>Opening...</source>
        <translation>開いています...</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>一時停止中</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>再生終了</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>準備完了</translation>
    </message>
</context>
<context>
    <name>PulseAudioRecord</name>
    <message>
        <source>The connection to the sound server was lost (%1).</source>
        <translation>サウンドサーバーとの接続が切れました (%1)。</translation>
    </message>
    <message>
        <source>Unsupported recording format.</source>
        <translation>サポートされていない録音形式です。</translation>
    </message>
    <message>
        <source>The block length must be positive.</source>
        <translation>ブロック長は正の値でなければなりません。</translation>
    </message>
    <message>
        <source>This device has nothing to record from.</source>
        <translation>このデバイスには録音できるものがありません。</translation>
    </message>
    <message>
        <source>There is no connection to the sound server.</source>
        <translation>サウンドサーバーに接続されていません。</translation>
    </message>
    <message>
        <source>There is no such source line.</source>
        <translation>指定されたソースラインはありません。</translation>
    </message>
    <message>
        <source>The source line %1 is gone.</source>
        <translation>ソースライン %1 がなくなりました。</translation>
    </message>
    <message>
        <source>There is no such device.</source>
        <translation>指定されたデバイスはありません。</translation>
    </message>
    <message>
        <source>There is no device %1.</source>
        <translation>デバイス %1 はありません。</translation>
    </message>
    <message>
        <source>There is no source line %1.</source>
        <translation>ソースライン %1 はありません。</translation>
    </message>
    <message>
        <source>The volume must be between 0 and 65535.</source>
        <translation>音量は 0 から 65535 の範囲で指定してください。</translation>
    </message>
    <message>
        <source>The balance must be between 0 and 100.</source>
        <translation>バランスは 0 から 100 の範囲で指定してください。</translation>
    </message>
    <message>
        <source>This source line has no balance.</source>
        <translation>このソースラインにはバランスがありません。</translation>
    </message>
</context>
<context>
    <name>PulseCapture</name>
    <message>
        <source>There is no connection to the sound server.</source>
        <translation>サウンドサーバーに接続されていません。</translation>
    </message>
    <message>
        <source>The sound server refused to record from %1.</source>
        <translation>サウンドサーバーが %1 からの録音を拒否しました。</translation>
    </message>
    <message>
        <source>The sound server did not start recording in time.</source>
        <translation>サウンドサーバーが時間内に録音を開始しませんでした。</translation>
    </message>
    <message>
        <source>The recording device was removed.</source>
        <translation>録音デバイスが取り外されました。</translation>
    </message>
</context>
<context>
    <name>PulseServer</name>
    <message>
        <source>There is no connection to the sound server.</source>
        <translation>サウンドサーバーに接続されていません。</translation>
    </message>
    <message>
        <source>The sound server did not answer in time.</source>
        <translation>サウンドサーバーが時間内に応答しませんでした。</translation>
    </message>
    <message>
        <source>The sound server refused the volume of %1.</source>
        <translation>サウンドサーバーが %1 の音量を拒否しました。</translation>
    </message>
    <message>
        <source>The sound server refused port %1 of %2.</source>
        <translation>サウンドサーバーが %2 のポート %1 を拒否しました。</translation>
    </message>
</context>
<context>
    <name>RecordingControl</name>
    <message>
        <source>The recording was stopped: %1</source>
        <translation>録音が停止されました: %1</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 秒</translation>
    </message>
    <message>
        <source>%1 min %2 s</source>
        <translation>%1 分 %2 秒</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation>%1 時間 %2 分</translation>
    </message>
    <message>
        <source>once</source>
        <translation>1 回</translation>
    </message>
    <message>
        <source>%1 times</source>
        <translation>%1 回</translation>
    </message>
    <message>
        <source>Recording...</source>
        <translation>録音中...</translation>
    </message>
    <message>
        <source>%1.
Record at %2 Hz instead of %3 Hz?</source>
        <translation>%1。
%3 Hz の代わりに %2 Hz で録音しますか?</translation>
    </message>
    <message>
        <source>The recording cannot be written as %1: %2</source>
        <translation>録音を %1 として書き込めません: %2</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>エラー</translation>
    </message>
    <message>
        <source>Please input the filename</source>
        <translation>ファイル名を入力してください</translation>
    </message>
    <message>
        <source>There is no connection to the sound server, so there is nothing to record from. No file was created or changed.</source>
        <translation>サウンドサーバーに接続されていないため、録音できるものがありません。ファイルは作成も変更もされていません。</translation>
    </message>
    <message>
        <source>The file %1 already exists.
Do you want to replace it?</source>
        <translation>ファイル %1 は既に存在します。
置き換えますか?</translation>
    </message>
    <message>
        <source>File size: </source>
        <translation>ファイルサイズ: </translation>
    </message>
    <message>
        <source> KB</source>
        <translation> KB</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>一時停止中</translation>
    </message>
    <message>
        <source>Elapsed: </source>
        <translation>経過時間: </translation>
    </message>
    <message>
        <source>The recording device was removed.</source>
        <translation>録音デバイスが取り外されました。</translation>
    </message>
    <message>
        <source>What was recorded until then is in:
%1</source>
        <translation>それまでに録音された音は次のファイルにあります:
%1</translation>
    </message>
    <message>
        <source>Everything else is in:
%1</source>
        <translation>それ以外の音はすべて次のファイルにあります:
%1</translation>
    </message>
    <message>
        <source>Ready to record</source>
        <translation>録音準備完了</translation>
    </message>
    <message>
        <source>No sound server</source>
        <translation>サウンドサーバーなし</translation>
    </message>
    <message>
        <source>There is no connection to the sound server (PulseAudio or PipeWire). The lists fill and monitoring starts again as soon as it answers.</source>
        <translation>サウンドサーバー (PulseAudio または PipeWire) に接続されていません。サーバーが応答するとすぐに一覧が表示され、モニターが再開されます。</translation>
    </message>
    <message>
        <source>No sound for %1 s: check the Source</source>
        <translation>%1 秒間音がありません: ソースを確認してください</translation>
    </message>
    <message>
        <source>No sound for %1, since %2: everything is below %3 dBFS. Check the Source, its Volume, and that something plays into it.</source>
        <translation>%2 から %1 の間、音がありません: すべて %3 dBFS 未満です。「ソース」とその「音量」、およびソースに音が入っているかを確認してください。</translation>
    </message>
    <message>
        <source>Clipping: %1 in %2 s</source>
        <translation>クリッピング: %2 秒間に %1</translation>
    </message>
    <message>
        <source>Clipping: the sound reached full scale %1 in the last %2 s (%3 since the start) and is distorted there. Lower the Volume.</source>
        <translation>クリッピング: 直近 %2 秒間に音がフルスケールに %1 達し (開始から計 %3 回)、その部分がひずんでいます。「音量」を下げてください。</translation>
    </message>
    <message>
        <source>%1 s lost at %2</source>
        <translation>%2 で %1 秒欠落</translation>
    </message>
    <message>
        <source>Waiting for %1...</source>
        <translation>%1 を待っています...</translation>
    </message>
    <message>
        <source>%1 has stopped playing. The recording goes on when it plays again; nothing else is recorded meanwhile. Stop ends the recording.</source>
        <translation>%1 の再生が止まりました。再生が再開すると録音も続きます。その間、ほかの音は録音されません。「停止」で録音を終了します。</translation>
    </message>
    <message>
        <source>%1 silent</source>
        <translation>無音 %1</translation>
    </message>
    <message>
        <source>no sound for %1</source>
        <translation>無音 %1</translation>
    </message>
    <message>
        <source> in all (%1 stretches)</source>
        <translation> (合計、%1 区間)</translation>
    </message>
    <message>
        <source>1 clip</source>
        <translation>クリップ 1 回</translation>
    </message>
    <message>
        <source>%1 clips</source>
        <translation>クリップ %1 回</translation>
    </message>
    <message>
        <source>clipped %1</source>
        <translation>クリップ %1</translation>
    </message>
    <message>
        <source>%1 s lost</source>
        <translation>欠落 %1 秒</translation>
    </message>
    <message>
        <source>%1 s of sound lost</source>
        <translation>音の欠落 %1 秒</translation>
    </message>
    <message>
        <source>Last take: </source>
        <translation>前回の録音: </translation>
    </message>
    <message>
        <source>Last recording: %1.</source>
        <translation>前回の録音: %1。</translation>
    </message>
    <message>
        <source>%1 s at %2</source>
        <translation>%2 に %1 秒</translation>
    </message>
    <message>
        <source>Sound was lost during this recording: %1 (%2 s in all).</source>
        <translation>この録音中に音が欠落しました: %1 (合計 %2 秒)。</translation>
    </message>
    <message>
        <source>Recording %1...</source>
        <translation>%1 を録音中...</translation>
    </message>
    <message>
        <source>Ready to record %1</source>
        <translation>%1 の録音準備完了</translation>
    </message>
    <message>
        <source>No sound from %1 for %2 s</source>
        <translation>%1 から %2 秒間音がありません</translation>
    </message>
    <message>
        <source>No sound from %1 for %2, since %3: everything is below %4 dBFS. Check it, its volume, and that something plays into it.</source>
        <translation>%1 から %2 の間音がありません (%3 から): すべて %4 dBFS 未満です。ソース、その音量、何かが再生されているかを確認してください。</translation>
    </message>
    <message>
        <source>%1 has stopped playing. Its side is silent until it plays again; %2 is recorded meanwhile. Stop ends the recording.</source>
        <translation>%1 の再生が止まりました。再び再生されるまでその側は無音になります。その間 %2 は録音されます。停止で録音を終了します。</translation>
    </message>
    <message>
        <source>%1 is no longer recorded</source>
        <translation>%1 は録音されていません</translation>
    </message>
    <message>
        <source>%1 is no longer recorded (%2): its side is silent from then on; %3 is still recorded.</source>
        <translation>%1 は録音されていません (%2): その側はこれ以降無音です。%3 は引き続き録音されます。</translation>
    </message>
</context>
<context>
    <name>Resampler</name>
    <message>
        <source>Cannot convert %1 Hz to %2 Hz: %3</source>
        <translation>%1 Hz を %2 Hz に変換できません: %3</translation>
    </message>
    <message>
        <source>invalid format</source>
        <translation>無効な形式</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Do you want to look for a newer version of Tarvell Recorder?

Yes opens %1 in your web browser.</source>
        <translation>Tarvell Recorder の新しいバージョンを確認しますか?

「はい」を選ぶと、Web ブラウザーで %1 を開きます。</translation>
    </message>
</context>
<context>
    <name>StopSignals</name>
    <message>
        <source>they are caught already</source>
        <translation>既に捕捉されています</translation>
    </message>
</context>
<context>
    <name>VorbisWriter</name>
    <message>
        <source>Cannot write the Ogg Vorbis stream: %1</source>
        <translation>Ogg Vorbis ストリームを書き込めません: %1</translation>
    </message>
    <message>
        <source>The Vorbis encoder cannot make %1 Hz with %2 channel(s) at quality %3.</source>
        <translation>Vorbis エンコーダーは %1 Hz、%2 チャンネル、品質 %3 で出力できません。</translation>
    </message>
</context>
<context>
    <name>WavAudioFile</name>
    <message>
        <source>Unsupported recording format: %1 Hz, %2 channel(s), %3 bits.</source>
        <translation>サポートされていない録音形式です: %1 Hz、%2 チャンネル、%3 ビット。</translation>
    </message>
    <message>
        <source>The second argument of CreateWaveFile must be 0, not %1.</source>
        <translation>CreateWaveFile の 2 番目の引数は %1 ではなく 0 でなければなりません。</translation>
    </message>
    <message>
        <source>Cannot create</source>
        <translation>次のファイルを作成できません:</translation>
    </message>
    <message>
        <source>Cannot create %1 as %2: %3</source>
        <translation>%1 を %2 として作成できません: %3</translation>
    </message>
    <message>
        <source>No file is open to write the recording to.</source>
        <translation>録音を書き込むファイルが開かれていません。</translation>
    </message>
    <message>
        <source>Cannot write to</source>
        <translation>次のファイルに書き込めません:</translation>
    </message>
    <message>
        <source>Cannot update the header of</source>
        <translation>次のファイルのヘッダーを更新できません:</translation>
    </message>
    <message>
        <source>No file is open to extend.</source>
        <translation>追記するファイルが開かれていません。</translation>
    </message>
    <message>
        <source>Only a WAV file can be extended.</source>
        <translation>追記できるのは WAV ファイルだけです。</translation>
    </message>
    <message>
        <source>%1 bytes is not a whole number of frames.</source>
        <translation>%1 バイトはフレームの整数倍ではありません。</translation>
    </message>
    <message>
        <source>Cannot extend</source>
        <translation>次のファイルに追記できません:</translation>
    </message>
    <message>
        <source>Cannot complete</source>
        <translation>次のファイルの書き込みを完了できません:</translation>
    </message>
    <message>
        <source>Cannot save</source>
        <translation>次のファイルを保存できません:</translation>
    </message>
    <message>
        <source>Cannot close</source>
        <translation>次のファイルを閉じられません:</translation>
    </message>
</context>
<context>
    <name>WavChoices</name>
    <message>
        <source>Stereo</source>
        <translation>ステレオ</translation>
    </message>
    <message>
        <source>Mono</source>
        <translation>モノラル</translation>
    </message>
    <message>
        <source>%1 bit</source>
        <translation>%1 bit</translation>
    </message>
    <message>
        <source>%1 %2 Hz; %3; %4</source>
        <translation>%1 %2 Hz; %3; %4</translation>
    </message>
    <message>
        <source>Wav Files (*.wav)</source>
        <translation>Wav ファイル (*.wav)</translation>
    </message>
    <message>
        <source>%1 Files (*.%2)</source>
        <translation>%1 ファイル (*.%2)</translation>
    </message>
    <message>
        <source>32 bit float</source>
        <translation>32 bit 浮動小数点</translation>
    </message>
</context>
<context>
    <name>frmCapture</name>
    <message>
        <source>Tarvell Recorder</source>
        <translation>Tarvell Recorder</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>Record Wizard</source>
        <translation>録音ウィザード</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>終了(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Mode</source>
        <translation>モード(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Play &amp;&amp; Record</source>
        <translation>再生と録音(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Record</source>
        <translation>録音(&amp;R)</translation>
    </message>
    <message>
        <source>P&amp;lay</source>
        <translation>再生(&amp;L)</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>オプション</translation>
    </message>
    <message>
        <source>Start recording when media file starts</source>
        <translation>メディアファイルの再生開始時に録音を開始</translation>
    </message>
    <message>
        <source>Stop recording when media file stops</source>
        <translation>メディアファイルの再生停止時に録音を停止</translation>
    </message>
    <message>
        <source>Next Level Display Style</source>
        <translation>次のレベル表示スタイル</translation>
    </message>
    <message>
        <source>More &amp;Tools...</source>
        <translation>その他のツール(&amp;T)...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>目次</translation>
    </message>
    <message>
        <source>Check Update</source>
        <translation>更新の確認</translation>
    </message>
    <message>
        <source>About</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>Media Player</source>
        <translation>メディアプレーヤー</translation>
    </message>
    <message>
        <source>File Name:</source>
        <translation>ファイル名:</translation>
    </message>
    <message>
        <source>Br&amp;owse...</source>
        <translation>参照(&amp;O)...</translation>
    </message>
    <message>
        <source>&amp;URL</source>
        <translation>&amp;URL</translation>
    </message>
    <message>
        <source>Sound Recorder</source>
        <translation>サウンドレコーダー</translation>
    </message>
    <message>
        <source>Save as:</source>
        <translation>保存先:</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>参照(&amp;B)...</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>一時停止(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>停止(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>再生(&amp;L)</translation>
    </message>
    <message>
        <source>Quality:</source>
        <translation>音質:</translation>
    </message>
    <message>
        <source>Se&amp;t</source>
        <translation>設定(&amp;E)</translation>
    </message>
    <message>
        <source>Source:</source>
        <translation>ソース:</translation>
    </message>
    <message>
        <source>We strongly recommend you select &apos;Stereo Mix&apos; to record most sound. The name for &apos;Stereo Mix&apos; could be &apos;Sound Mix&apos;, &apos;WAV Mix&apos; etc.</source>
        <translation>ほとんどの音を録音するには、「Stereo Mix」を選ぶことを強くお勧めします。「Stereo Mix」の名前は「Sound Mix」や「WAV Mix」などの場合もあります。</translation>
    </message>
    <message>
        <source>Balance:</source>
        <translation>バランス:</translation>
    </message>
    <message>
        <source>Volume:</source>
        <translation>音量:</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>プレビュー</translation>
    </message>
    <message>
        <source>Ready to record</source>
        <translation>録音準備完了</translation>
    </message>
    <message>
        <source>Elapsed:</source>
        <translation>経過時間:</translation>
    </message>
    <message>
        <source>File size:</source>
        <translation>ファイルサイズ:</translation>
    </message>
    <message>
        <source>Path/File access error: %1</source>
        <translation>パス/ファイルのアクセスエラー: %1</translation>
    </message>
    <message>
        <source>%1 is not here now: recording from %2.</source>
        <translation>%1 は現在ありません: %2 から録音します。</translation>
    </message>
    <message>
        <source>Run-time error &apos;%1&apos;:

%2</source>
        <translation>実行時エラー &apos;%1&apos;:

%2</translation>
    </message>
    <message>
        <source>The recording %1 was interrupted before it was finished. It has been put right and holds %2 of sound (%3 s).</source>
        <translation>録音 %1 は完了する前に中断されていました。修復済みで、%2 の音が入っています (%3 秒)。</translation>
    </message>
    <message>
        <source>The recording cannot be written as %1: %2</source>
        <translation>録音を %1 として書き込めません: %2</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>エラー</translation>
    </message>
    <message>
        <source>Converted from %1 Hz</source>
        <translation>%1 Hz から変換</translation>
    </message>
    <message>
        <source>This device runs at %1 Hz; the recorder converts its sound to the recording&apos;s %2 Hz.</source>
        <translation>このデバイスは %1 Hz で動作しています。その音は録音の %2 Hz に変換されます。</translation>
    </message>
    <message>
        <source>Please input the URL</source>
        <translation>URL を入力してください</translation>
    </message>
    <message>
        <source>mms:// or http://</source>
        <translation>mms:// または http://</translation>
    </message>
    <message>
        <source>Can not initialize sound device. If you started other sound recorder, please exit it before run this application</source>
        <translation>サウンドデバイスを初期化できません。ほかのサウンドレコーダーを起動している場合は、終了してからこのアプリケーションを実行してください。</translation>
    </message>
    <message>
        <source>Device:</source>
        <translation>機器:</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>バランス</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>音量</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>音質</translation>
    </message>
    <message>
        <source>Next level display style</source>
        <translation>次のレベル表示スタイル</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 と %2</translation>
    </message>
    <message>
        <source>%1 and all sound</source>
        <translation>%1 とすべての音</translation>
    </message>
</context>
<context>
    <name>frmWizard</name>
    <message>
        <source>&amp;Next &gt;</source>
        <translation>次へ(&amp;N) &gt;</translation>
    </message>
    <message>
        <source>&amp;Finish</source>
        <translation>完了(&amp;F)</translation>
    </message>
    <message>
        <source>Wizard - Tarvell Recorder</source>
        <translation>ウィザード - Tarvell Recorder</translation>
    </message>
    <message>
        <source>Please choose one method to record sound:</source>
        <translation>録音の方法を 1 つ選んでください:</translation>
    </message>
    <message>
        <source>Record sound from a media file.</source>
        <translation>メディアファイルから録音する。</translation>
    </message>
    <message>
        <source>Record sound from a URL.</source>
        <translation>URL から録音する。</translation>
    </message>
    <message>
        <source>Record sound from another application.<byte value="xd"/>
(From a game, a media player, etc.)</source>
        <translation>ほかのアプリケーションから録音する。<byte value="xd"/>
(ゲーム、メディアプレーヤーなど)</translation>
    </message>
    <message>
        <source>Please specify the filename of the media file:</source>
        <translation>メディアファイルのファイル名を指定してください:</translation>
    </message>
    <message>
        <source>B&amp;rowse...</source>
        <translation>参照(&amp;R)...</translation>
    </message>
    <message>
        <source>Play the media file and record sound now.</source>
        <translation>メディアファイルを再生し、今すぐ録音する。</translation>
    </message>
    <message>
        <source>Play the media file now. I want to record it later.</source>
        <translation>メディアファイルを今すぐ再生し、後で録音する。</translation>
    </message>
    <message>
        <source>Open the media file now. I want to play it later.</source>
        <translation>メディアファイルを今すぐ開き、後で再生する。</translation>
    </message>
    <message>
        <source>Recorded sound will be saved as:</source>
        <translation>録音した音の保存先:</translation>
    </message>
    <message>
        <source>Quality:</source>
        <translation>音質:</translation>
    </message>
    <message>
        <source>&amp;Set</source>
        <translation>設定(&amp;S)</translation>
    </message>
    <message>
        <source>Record now.</source>
        <translation>今すぐ録音する。</translation>
    </message>
    <message>
        <source>Fr&amp;om:</source>
        <translation>音源(&amp;O):</translation>
    </message>
    <message>
        <source>Record everything the computer plays, or one application alone</source>
        <translation>コンピューターで再生されるすべての音、または 1 つのアプリケーションの音だけを録音します</translation>
    </message>
    <message>
        <source>Please input the URL:</source>
        <translation>URL を入力してください:</translation>
    </message>
    <message>
        <source>mms:// or http://</source>
        <translation>mms:// または http://</translation>
    </message>
    <message>
        <source>&lt; &amp;Back</source>
        <translation>&lt; 戻る(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>中止(&amp;C)</translation>
    </message>
    <message>
        <source>All sound</source>
        <translation>すべての音</translation>
    </message>
    <message>
        <source>Cannot find the media file</source>
        <translation>メディアファイルが見つかりません</translation>
    </message>
    <message>
        <source>Please input the filename</source>
        <translation>ファイル名を入力してください</translation>
    </message>
    <message>
        <source>Please input the URL</source>
        <translation>URL を入力してください</translation>
    </message>
    <message>
        <source>Record a conversation.<byte value="xd"/>
(Your microphone and another application)</source>
        <translation>会話を録音する。<byte value="xd"/>
(自分のマイクと別のアプリケーション)</translation>
    </message>
    <message>
        <source>&amp;Microphone:</source>
        <translation>マイク(&amp;M):</translation>
    </message>
    <message>
        <source>There is no microphone to record from</source>
        <translation>録音できるマイクがありません</translation>
    </message>
    <message>
        <source>Mi&amp;x together</source>
        <translation>混ぜる(&amp;X)</translation>
    </message>
    <message>
        <source>Off: your microphone in the left channel, the other side in the right, to edit each later. On: one sound, each at half its level.</source>
        <translation>オフ: マイクを左チャンネル、相手を右チャンネルに入れ、後でそれぞれ編集できます。オン: 1 つの音に、それぞれ半分の音量で。</translation>
    </message>
</context>
<context>
    <name>tarvell-rec</name>
    <message>
        <source> (see --help)</source>
        <translation> (--help を参照)</translation>
    </message>
    <message>
        <source>--%1 is given more than once</source>
        <translation>--%1 が複数回指定されています</translation>
    </message>
    <message>
        <source>--json goes with --list</source>
        <translation>--json は --list と一緒に使います</translation>
    </message>
    <message>
        <source>--list-formats goes alone</source>
        <translation>--list-formats は単独で使います</translation>
    </message>
    <message>
        <source>--list takes no file</source>
        <translation>--list にはファイルを指定できません</translation>
    </message>
    <message>
        <source>no file to record into (see --help)</source>
        <translation>録音先のファイルが指定されていません (--help を参照)</translation>
    </message>
    <message>
        <source>one file only, not %1 (quote a name with spaces)</source>
        <translation>ファイルは 1 つだけ指定してください (%1 個指定されています。空白を含む名前は引用符で囲んでください)</translation>
    </message>
    <message>
        <source>the file name is empty</source>
        <translation>ファイル名が空です</translation>
    </message>
    <message>
        <source>--type &quot;%1&quot; is not offered; the types are wav, flac, opus, vorbis and mp3</source>
        <translation>--type &quot;%1&quot; は指定できません。種類は wav、flac、opus、vorbis、mp3 です</translation>
    </message>
    <message>
        <source>--quality &quot;%1&quot; is not offered; the qualities are speech, music and best</source>
        <translation>--quality &quot;%1&quot; は指定できません。音質は speech、music、best です</translation>
    </message>
    <message>
        <source>--rate %1: %2; the nearest is %3 Hz</source>
        <translation>--rate %1: %2。最も近いのは %3 Hz です</translation>
    </message>
    <message>
        <source>--duration &quot;%1&quot; is not a length of time above 0 (such as 90, 1:30, 1:02:03, 90s, 2m or 1h)</source>
        <translation>--duration &quot;%1&quot; は 0 より長い時間ではありません (90、1:30、1:02:03、90s、2m、1h など)</translation>
    </message>
    <message>
        <source>an empty device, line or application name</source>
        <translation>デバイス、ライン、またはアプリケーションの名前が空です</translation>
    </message>
    <message>
        <source>--app chooses the line itself: not with --device or --line</source>
        <translation>--app はラインを自分で選ぶため、--device や --line とは一緒に使えません</translation>
    </message>
    <message>
        <source>; there are no capture devices</source>
        <translation>。録音デバイスがありません</translation>
    </message>
    <message>
        <source>; the devices and their lines are:
</source>
        <translation>。デバイスとそのラインは次のとおりです:
</translation>
    </message>
    <message>
        <source>the sound server has no capture devices</source>
        <translation>サウンドサーバーに録音デバイスがありません</translation>
    </message>
    <message>
        <source>no device &quot;%1&quot;</source>
        <translation>デバイス &quot;%1&quot; はありません</translation>
    </message>
    <message>
        <source>several devices have a line &quot;%1&quot;; choose one with --device</source>
        <translation>ライン &quot;%1&quot; は複数のデバイスにあります。--device でどれか 1 つを選んでください</translation>
    </message>
    <message>
        <source>no line &quot;%1&quot; on %2</source>
        <translation>%2 にライン &quot;%1&quot; はありません</translation>
    </message>
    <message>
        <source>the device %1 has nothing to record from</source>
        <translation>デバイス %1 には録音できるものがありません</translation>
    </message>
    <message>
        <source>%1 (stream %2)</source>
        <translation>%1 (ストリーム %2)</translation>
    </message>
    <message>
        <source>no application &quot;%1&quot;: no application is playing now</source>
        <translation>アプリケーション &quot;%1&quot; はありません: 現在再生中のアプリケーションはありません</translation>
    </message>
    <message>
        <source>no application &quot;%1&quot;; playing now: %2</source>
        <translation>アプリケーション &quot;%1&quot; はありません。現在再生中: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not valid UTF-8; give the name in UTF-8</source>
        <translation>&quot;%1&quot; は有効な UTF-8 ではありません。名前は UTF-8 で指定してください</translation>
    </message>
    <message>
        <source>no sound server answers (is PulseAudio or PipeWire running for this user, with XDG_RUNTIME_DIR set?)</source>
        <translation>サウンドサーバーが応答しません (このユーザーで PulseAudio または PipeWire が実行中で、XDG_RUNTIME_DIR が設定されていますか?)</translation>
    </message>
    <message>
        <source>%1: is a folder; give the name of a file to record into</source>
        <translation>%1: フォルダーです。録音先のファイル名を指定してください</translation>
    </message>
    <message>
        <source>%1: exists; give --force to replace it</source>
        <translation>%1: 既に存在します。置き換えるには --force を指定してください</translation>
    </message>
    <message>
        <source>cannot catch Ctrl+C: %1</source>
        <translation>Ctrl+C を捕捉できません: %1</translation>
    </message>
    <message>
        <source>the device %1 was removed while recording</source>
        <translation>録音中にデバイス %1 が取り外されました</translation>
    </message>
    <message>
        <source>the sound server went away while recording (%1)</source>
        <translation>録音中にサウンドサーバーとの接続が切れました (%1)</translation>
    </message>
    <message>
        <source>the capture stopped: %1</source>
        <translation>キャプチャが停止しました: %1</translation>
    </message>
    <message>
        <source>%1 not read in time</source>
        <translation>時間内に読み取れなかった %1</translation>
    </message>
    <message>
        <source>%1 the server left out (silence in its place)</source>
        <translation>サーバーが省いた %1 (代わりに無音)</translation>
    </message>
    <message>
        <source>sound lost at %1: %2</source>
        <translation>%1 の時点で音が欠落しました: %2</translation>
    </message>
    <message>
        <source>%1: %2 stopped playing at %3; waiting for its next sound</source>
        <translation>%1: %3 の時点で %2 の再生が止まりました。次の音を待っています</translation>
    </message>
    <message>
        <source>no sound at %3: everything below %1 dBFS for %2 s; check the line and its volume</source>
        <translation>%3 の時点で音がありません: %2 秒間すべて %1 dBFS 未満です。ラインとその音量を確認してください</translation>
    </message>
    <message>
        <source>sound again at %1</source>
        <translation>%1 の時点で音が戻りました</translation>
    </message>
    <message>
        <source>clipping at %1: samples at full scale; lower the line&apos;s volume</source>
        <translation>%1 の時点でクリッピング: サンプルがフルスケールに達しています。ラインの音量を下げてください</translation>
    </message>
    <message>
        <source>the device runs at %1 Hz; converting to %2 Hz</source>
        <translation>デバイスは %1 Hz で動作しています。%2 Hz に変換します</translation>
    </message>
    <message>
        <source>cannot record from %1: %2</source>
        <translation>%1 から録音できません: %2</translation>
    </message>
    <message>
        <source>%1%2; the file holds the %3 recorded until then</source>
        <translation>%1%2。ファイルにはそれまでに録音された %3 が入っています</translation>
    </message>
    <message>
        <source>Recorded %1 into %2 (%3)
</source>
        <translation>%1 を %2 に録音しました (%3)
</translation>
    </message>
    <message>
        <source>%1: %2 of sound was lost while recording</source>
        <translation>%1: 録音中に %2 の音が欠落しました</translation>
    </message>
    <message>
        <source>no sound for %1 s</source>
        <translation>無音 %1 秒</translation>
    </message>
    <message>
        <source> in all</source>
        <translation> (合計)</translation>
    </message>
    <message>
        <source>clipped once</source>
        <translation>クリップ 1 回</translation>
    </message>
    <message>
        <source>clipped %1 times</source>
        <translation>クリップ %1 回</translation>
    </message>
    <message>
        <source>NO SOUND %1 s  </source>
        <translation>無音 %1 秒  </translation>
    </message>
    <message>
        <source>CLIPPING %1 in %2 s  </source>
        <translation>クリップ %1 回/%2 秒  </translation>
    </message>
    <message>
        <source>  waiting for %1</source>
        <translation>  %1 を待機中</translation>
    </message>
    <message>
        <source>  lost %1</source>
        <translation>  欠落 %1</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is not offered; the formats are rates %3 Hz, 1 or 2 channels (mono, stereo), 8, 16, 24 or 32 (float) bits</source>
        <translation>--%1 &quot;%2&quot; は指定できません。指定できる形式は、レート %3 Hz、チャンネル数 1 または 2 (mono、stereo)、8、16、24 または 32 (float) ビットです</translation>
    </message>
    <message>
        <source>--layout goes with --also</source>
        <translation>--layout は --also と共に指定します</translation>
    </message>
    <message>
        <source>--layout &quot;%1&quot; is not offered; the layouts are split and mixed</source>
        <translation>--layout &quot;%1&quot; は使えません。レイアウトは split と mixed です</translation>
    </message>
    <message>
        <source>--also puts each source in a channel of its own: record in stereo, or give --layout mixed</source>
        <translation>--also は各ソースを別のチャンネルに入れます。ステレオで録音するか、--layout mixed を指定してください</translation>
    </message>
    <message>
        <source>no sound from %1 at %2 for %3 s</source>
        <translation>%2 から %3 秒間 %1 の音がありません</translation>
    </message>
    <message>
        <source>%1 stopped playing at %2; its half is silent until its next sound</source>
        <translation>%1 は %2 で再生を止めました。次の音まで、その半分は無音になります</translation>
    </message>
    <message>
        <source>%1 is no longer recorded (%2); its half is silent from %3 on</source>
        <translation>%1 はもう録音されていません (%2)。%3 からその半分は無音です</translation>
    </message>
    <message>
        <source>recording %1 in the left channel and %2 in the right</source>
        <translation>%1 を左チャンネルに、%2 を右チャンネルに録音中</translation>
    </message>
    <message>
        <source>recording %1 and %2 mixed</source>
        <translation>%1 と %2 を混ぜて録音中</translation>
    </message>
    <message>
        <source>%1: %2 of the sound of %3 was lost while recording</source>
        <translation>%1: 録音中に %3 の音が %2 失われました</translation>
    </message>
</context>
</TS>
