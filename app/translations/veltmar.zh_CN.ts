<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AboutWindow</name>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Veltmar</source>
        <translation>Veltmar</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>版本</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>致谢</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Built with&lt;/b&gt;&lt;/p&gt;&lt;ul&gt;&lt;li&gt;Qt 5 (LGPL-3.0)&lt;/li&gt;&lt;li&gt;RapidJSON (MIT)&lt;/li&gt;&lt;/ul&gt;&lt;p&gt;&lt;b&gt;Data&lt;/b&gt;&lt;/p&gt;&lt;ul&gt;&lt;li&gt;Made with Natural Earth: coastlines, borders, lakes and airports (public domain).&lt;/li&gt;&lt;li&gt;Countries: ISO 3166-1 from Debian&apos;s iso-codes (LGPL-2.1-or-later).&lt;/li&gt;&lt;li&gt;ICAO 24-bit address allocations: ICAO Annex 10, Volume III.&lt;/li&gt;&lt;li&gt;Aircraft: a public aircraft list (CC0 1.0).&lt;/li&gt;&lt;li&gt;Flags: the famfamfam flag icons (public domain).&lt;/li&gt;&lt;/ul&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;构建所用&lt;/b&gt;&lt;/p&gt;&lt;ul&gt;&lt;li&gt;Qt 5（LGPL-3.0）&lt;/li&gt;&lt;li&gt;RapidJSON（MIT）&lt;/li&gt;&lt;/ul&gt;&lt;p&gt;&lt;b&gt;数据&lt;/b&gt;&lt;/p&gt;&lt;ul&gt;&lt;li&gt;使用 Natural Earth 制作：海岸线、国界、湖泊和机场（公有领域）。&lt;/li&gt;&lt;li&gt;国家：来自 Debian iso-codes 的 ISO 3166-1（LGPL-2.1 或更新版本）。&lt;/li&gt;&lt;li&gt;ICAO 24 位地址分配：ICAO 附件 10 第三卷。&lt;/li&gt;&lt;li&gt;航空器：公开的航空器清单（CC0 1.0）。&lt;/li&gt;&lt;li&gt;国旗：famfamfam 国旗图标（公有领域）。&lt;/li&gt;&lt;/ul&gt;</translation>
    </message>
    <message>
        <source>Version %1 Build %2</source>
        <translation>版本 %1 构建 %2</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>版本 %1</translation>
    </message>
</context>
<context>
    <name>AltitudeBands</name>
    <message>
        <source>Ground</source>
        <translation>地面</translation>
    </message>
    <message>
        <source>Below 2,000 ft</source>
        <translation>2,000 英尺以下</translation>
    </message>
    <message>
        <source>2,000 ft–FL100</source>
        <translation>2,000 英尺–FL100</translation>
    </message>
    <message>
        <source>FL100–FL200</source>
        <translation>FL100–FL200</translation>
    </message>
    <message>
        <source>FL200–FL300</source>
        <translation>FL200–FL300</translation>
    </message>
    <message>
        <source>FL300–FL400</source>
        <translation>FL300–FL400</translation>
    </message>
    <message>
        <source>FL400 and above</source>
        <translation>FL400 及以上</translation>
    </message>
    <message>
        <source>No altitude</source>
        <translation>无高度</translation>
    </message>
    <message>
        <source>Silent</source>
        <translation>静默</translation>
    </message>
</context>
<context>
    <name>AsterixOutput</name>
    <message>
        <source>ASTERIX output has stopped.</source>
        <translation>ASTERIX 输出已停止。</translation>
    </message>
</context>
<context>
    <name>AsterixOutputChannel</name>
    <message>
        <source>ASTERIX output channel %1 is not activated.</source>
        <translation>ASTERIX 输出通道 %1 未启用。</translation>
    </message>
    <message>
        <source>ASTERIX output channel %1 is running.</source>
        <translation>ASTERIX 输出通道 %1 正在运行。</translation>
    </message>
    <message>
        <source>ASTERIX output channel %1 is sending to address %2 port %3</source>
        <translation>ASTERIX 输出通道 %1 正在发送到地址 %2 端口 %3</translation>
    </message>
    <message>
        <source>ASTERIX output channel %1 LAN interface invalid.</source>
        <translation>ASTERIX 输出通道 %1 的网络接口无效。</translation>
    </message>
    <message>
        <source>ASTERIX output channel %1 failed to bind.</source>
        <translation>ASTERIX 输出通道 %1 绑定失败。</translation>
    </message>
    <message>
        <source>ASTERIX output channel %1 failed to use inteface %2.</source>
        <translation>ASTERIX 输出通道 %1 无法使用接口 %2。</translation>
    </message>
    <message>
        <source>ASTERIX output channel %1 is using local port %2 at interface %3, sending to multicast group %4 port %5</source>
        <translation>ASTERIX 输出通道 %1 使用接口 %3 上的本地端口 %2，发送到组播组 %4 端口 %5</translation>
    </message>
</context>
<context>
    <name>AvrFramer</name>
    <message>
        <source>Corrupted AVR message received (header error): %1</source>
        <translation>收到损坏的 AVR 报文（报头错误）：%1</translation>
    </message>
    <message>
        <source>Corrupted AVR message received (tailer error): %1</source>
        <translation>收到损坏的 AVR 报文（报尾错误）：%1</translation>
    </message>
    <message>
        <source>Corrupted AVR message received (length error): %1</source>
        <translation>收到损坏的 AVR 报文（长度错误）：%1</translation>
    </message>
</context>
<context>
    <name>BaseStationOutput</name>
    <message>
        <source>BaseStation output</source>
        <translation>BaseStation 输出</translation>
    </message>
</context>
<context>
    <name>BeastOutput</name>
    <message>
        <source>Beast output</source>
        <translation>Beast 输出</translation>
    </message>
</context>
<context>
    <name>ConfigWindow</name>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Show Clock Calibration Warning</source>
        <translation>启动前提示校准时钟</translation>
    </message>
    <message>
        <source>Updated Field Highlight Time (sec)</source>
        <translation>更新字段高亮时间（秒）</translation>
    </message>
    <message>
        <source>No Updated Target Warning Time (sec)</source>
        <translation>目标无更新告警时间（秒）</translation>
    </message>
    <message>
        <source>Receiver Position</source>
        <translation>接收机位置</translation>
    </message>
    <message>
        <source>Latitude (deg)</source>
        <translation>纬度（度）</translation>
    </message>
    <message>
        <source>Longitude (deg)</source>
        <translation>经度（度）</translation>
    </message>
    <message>
        <source>General</source>
        <translation>常规</translation>
    </message>
    <message>
        <source>Protocol</source>
        <translation>协议</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>格式</translation>
    </message>
    <message>
        <source>Playback Mode (Ignore Time Stamp in Message)</source>
        <translation>回放模式（忽略报文中的时间戳）</translation>
    </message>
    <message>
        <source>UDP</source>
        <translation>UDP</translation>
    </message>
    <message>
        <source>UDP Port</source>
        <translation>UDP 端口</translation>
    </message>
    <message>
        <source>TCP</source>
        <translation>TCP</translation>
    </message>
    <message>
        <source>Server Address</source>
        <translation>服务器地址</translation>
    </message>
    <message>
        <source>Server Port</source>
        <translation>服务器端口</translation>
    </message>
    <message>
        <source>Automatically reconnect</source>
        <translation>自动重新连接</translation>
    </message>
    <message>
        <source>Reconnect when silent for (sec, 0 = never)</source>
        <translation>无数据多久后重连（秒，0 = 不重连）</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>串口</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>端口</translation>
    </message>
    <message>
        <source>Baud Rate</source>
        <translation>波特率</translation>
    </message>
    <message>
        <source>Data Bits</source>
        <translation>数据位</translation>
    </message>
    <message>
        <source>Parity</source>
        <translation>校验</translation>
    </message>
    <message>
        <source>Stop Bits</source>
        <translation>停止位</translation>
    </message>
    <message>
        <source>Barometric Altitude</source>
        <translation>气压高度</translation>
    </message>
    <message>
        <source>Ignore invalid barometric altitute reports.</source>
        <translation>忽略无效的气压高度报告。</translation>
    </message>
    <message>
        <source>If altitute changes more than</source>
        <translation>如果高度变化超过</translation>
    </message>
    <message>
        <source>feets in last</source>
        <translation>英尺，在最近</translation>
    </message>
    <message>
        <source>seconds.</source>
        <translation>秒内。</translation>
    </message>
    <message>
        <source>Corresponding vertical rate is</source>
        <translation>对应的垂直速率为</translation>
    </message>
    <message>
        <source>feets per minute.</source>
        <translation>英尺/分钟。</translation>
    </message>
    <message>
        <source>Traget Deletion Time (sec)</source>
        <translation>目标删除时间（秒）</translation>
    </message>
    <message>
        <source>SAC/SIC</source>
        <translation>SAC/SIC</translation>
    </message>
    <message>
        <source>Enable ASTERIX Targets Report (CAT021)</source>
        <translation>启用 ASTERIX 目标报告（CAT021）</translation>
    </message>
    <message>
        <source>Enable ASTERIX Service Status Report (CAT023)</source>
        <translation>启用 ASTERIX 服务状态报告（CAT023）</translation>
    </message>
    <message>
        <source>Target Reports</source>
        <translation>目标报告</translation>
    </message>
    <message>
        <source>Target Reports Update Mode</source>
        <translation>目标报告更新方式</translation>
    </message>
    <message>
        <source>CAT021 Version</source>
        <translation>CAT021 版本</translation>
    </message>
    <message>
        <source>Data Output Period (sec)</source>
        <translation>数据输出周期（秒）</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>报文</translation>
    </message>
    <message>
        <source>Maximum ASTERIX message size (bytes)</source>
        <translation>ASTERIX 报文最大长度（字节）</translation>
    </message>
    <message>
        <source>Maximum data records per data block</source>
        <translation>每个数据块的最大记录数</translation>
    </message>
    <message>
        <source>LAN Output</source>
        <translation>局域网输出</translation>
    </message>
    <message>
        <source>Multicast</source>
        <translation>组播</translation>
    </message>
    <message>
        <source>Broadcast/Unicast</source>
        <translation>广播/单播</translation>
    </message>
    <message>
        <source>Interface</source>
        <translation>网络接口</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>地址</translation>
    </message>
    <message>
        <source>Channel 1</source>
        <translation>通道 1</translation>
    </message>
    <message>
        <source>Channel 2</source>
        <translation>通道 2</translation>
    </message>
    <message>
        <source>Enable Targets Report</source>
        <translation>启用目标报告</translation>
    </message>
    <message>
        <source>UDP Output</source>
        <translation>UDP 输出</translation>
    </message>
    <message>
        <source>Aircraft Database</source>
        <translation>航空器数据库</translation>
    </message>
    <message>
        <source>Update Aircraft Data</source>
        <translation>更新航空器数据</translation>
    </message>
    <message>
        <source>File</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Undefined</source>
        <translation>未定义</translation>
    </message>
    <message>
        <source>Mode-S Beast Binary</source>
        <translation>Mode-S Beast 二进制</translation>
    </message>
    <message>
        <source>AVR</source>
        <translation>AVR</translation>
    </message>
    <message>
        <source>JSON Target Report</source>
        <translation>JSON 目标报告</translation>
    </message>
    <message>
        <source>None</source>
        <translation>无</translation>
    </message>
    <message>
        <source>Even</source>
        <translation>偶校验</translation>
    </message>
    <message>
        <source>Odd</source>
        <translation>奇校验</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>空号</translation>
    </message>
    <message>
        <source>Mark</source>
        <translation>标号</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>输入</translation>
    </message>
    <message>
        <source>Tracker</source>
        <translation>跟踪器</translation>
    </message>
    <message>
        <source>ASTERIX</source>
        <translation>ASTERIX</translation>
    </message>
    <message>
        <source>CSV</source>
        <translation>CSV</translation>
    </message>
    <message>
        <source>Storage</source>
        <translation>存储</translation>
    </message>
    <message>
        <source>Periodic Mode</source>
        <translation>周期模式</translation>
    </message>
    <message>
        <source>Data Driven Mode</source>
        <translation>数据驱动模式</translation>
    </message>
    <message>
        <source>Target Report (@...#, metric units)</source>
        <translation>目标报告（@...#，公制单位）</translation>
    </message>
    <message>
        <source>Select SQLite Database File</source>
        <translation>选择 SQLite 数据库文件</translation>
    </message>
    <message>
        <source>Database Files (*.db *.db3 *.sqlite)</source>
        <translation>数据库文件 (*.db *.db3 *.sqlite)</translation>
    </message>
    <message>
        <source>Position Checks</source>
        <translation>位置检查</translation>
    </message>
    <message>
        <source>Decode single position reports against the receiver or the last position</source>
        <translation>以接收机或上一位置为参考解码单条位置报告</translation>
    </message>
    <message>
        <source>Airborne speed limit (kt, 0 = no check)</source>
        <translation>空中速度上限（节，0 = 不检查）</translation>
    </message>
    <message>
        <source>Surface speed limit (kt, 0 = no check)</source>
        <translation>地面速度上限（节，0 = 不检查）</translation>
    </message>
    <message>
        <source>Maximum range from the receiver (NM, 0 = no check)</source>
        <translation>距接收机最大距离（海里，0 = 不检查）</translation>
    </message>
    <message>
        <source>Bit Errors</source>
        <translation>误码</translation>
    </message>
    <message>
        <source>Repair of extended squitters</source>
        <translation>扩展电文纠错</translation>
    </message>
    <message>
        <source>New targets only from error-free replies</source>
        <translation>仅由无误码应答建立新目标</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>One bit</source>
        <translation>一位</translation>
    </message>
    <message>
        <source>One and two bits</source>
        <translation>一位和两位</translation>
    </message>
    <message>
        <source>Traffic Scope Trail Length (sec)</source>
        <translation>态势图航迹长度（秒）</translation>
    </message>
    <message>
        <source>BaseStation Output (SBS-1 Text)</source>
        <translation>BaseStation 输出（SBS-1 文本）</translation>
    </message>
    <message>
        <source>Listen Address</source>
        <translation>监听地址</translation>
    </message>
    <message>
        <source>Beast Output (Mode-S Beast Binary)</source>
        <translation>Beast 输出（Mode-S Beast 二进制）</translation>
    </message>
    <message>
        <source>Clients connect to these TCP servers while processing runs. The address 127.0.0.1 serves this computer only; 0.0.0.0 serves every network.</source>
        <translation>处理运行期间，客户端可连接这些 TCP 服务器。地址 127.0.0.1 只服务本机；0.0.0.0 服务所有网络。</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>网络</translation>
    </message>
</context>
<context>
    <name>CsvOutput</name>
    <message>
        <source>CSV output is not activated.</source>
        <translation>CSV 输出未启用。</translation>
    </message>
    <message>
        <source>CSV output is running.</source>
        <translation>CSV 输出正在运行。</translation>
    </message>
    <message>
        <source>CSV output is sending to remote address %1 port %2</source>
        <translation>CSV 输出正在发送到远程地址 %1 端口 %2</translation>
    </message>
    <message>
        <source>CSV output has stopped.</source>
        <translation>CSV 输出已停止。</translation>
    </message>
</context>
<context>
    <name>FrameClock</name>
    <message>
        <source>Receiver time stamps are not a time of day: using the receive time.</source>
        <translation>接收机时间戳不是当日时间：改用接收时间。</translation>
    </message>
</context>
<context>
    <name>HexView</name>
    <message>
        <source>&amp;Copy</source>
        <translation>复制(&amp;C)</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>全选(&amp;A)</translation>
    </message>
</context>
<context>
    <name>JsonFramer</name>
    <message>
        <source>Oversized JSON message dropped (size %1).</source>
        <translation>已丢弃过大的 JSON 报文（大小 %1）。</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>MainWindow</source>
        <translation>主窗口</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>视图(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>Main Toolbar</source>
        <translation>主工具栏</translation>
    </message>
    <message>
        <source>Logo Toolbar</source>
        <translation>标志工具栏</translation>
    </message>
    <message>
        <source>Log &amp; Message</source>
        <translation>日志与消息</translation>
    </message>
    <message>
        <source>General</source>
        <translation>常规</translation>
    </message>
    <message>
        <source>Mode-S &amp;&amp; ADS-B</source>
        <translation>Mode-S 与 ADS-B</translation>
    </message>
    <message>
        <source>ASTERIX</source>
        <translation>ASTERIX</translation>
    </message>
    <message>
        <source>Start Processing</source>
        <translation>开始处理</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>开始</translation>
    </message>
    <message>
        <source>Start processing ADS-B reports</source>
        <translation>开始处理 ADS-B 报告</translation>
    </message>
    <message>
        <source>Stop Processing</source>
        <translation>停止处理</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Stop processing ADS-B reports</source>
        <translation>停止处理 ADS-B 报告</translation>
    </message>
    <message>
        <source>Settings...</source>
        <translation>设置...</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Show setting window</source>
        <translation>显示设置窗口</translation>
    </message>
    <message>
        <source>Go To Data Folder...</source>
        <translation>打开数据文件夹...</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>数据</translation>
    </message>
    <message>
        <source>Open explorer and locate data files folder</source>
        <translation>打开文件管理器并定位数据文件夹</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>Exit application</source>
        <translation>退出程序</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>关于...</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Veltmar</source>
        <translation>Veltmar</translation>
    </message>
    <message>
        <source>Website...</source>
        <translation>网站...</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>网站</translation>
    </message>
    <message>
        <source>Open the product web page</source>
        <translation>打开产品网页</translation>
    </message>
    <message>
        <source>Target List View</source>
        <translation>目标列表视图</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>目标</translation>
    </message>
    <message>
        <source>Mode-S Message View</source>
        <translation>Mode-S 报文视图</translation>
    </message>
    <message>
        <source>Mode-S</source>
        <translation>Mode-S</translation>
    </message>
    <message>
        <source>Mode-S Downlink Format Message View</source>
        <translation>Mode-S 下行格式报文视图</translation>
    </message>
    <message>
        <source>ASTERIX Message View</source>
        <translation>ASTERIX 报文视图</translation>
    </message>
    <message>
        <source>Target Report View</source>
        <translation>目标报告视图</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>报告</translation>
    </message>
    <message>
        <source>Basestation Target Report View</source>
        <translation>基站目标报告视图</translation>
    </message>
    <message>
        <source>Log &amp;&amp; Message Window</source>
        <translation>日志与消息窗口</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>日志</translation>
    </message>
    <message>
        <source>Toggle Log &amp; Message Window</source>
        <translation>显示/隐藏日志与消息窗口</translation>
    </message>
    <message>
        <source>SEQUENCE</source>
        <translation>序号</translation>
    </message>
    <message>
        <source>TIME STAMP</source>
        <translation>时间戳</translation>
    </message>
    <message>
        <source>CATEGORY</source>
        <translation>类别</translation>
    </message>
    <message>
        <source>BYTES</source>
        <translation>字节数</translation>
    </message>
    <message>
        <source>DATA</source>
        <translation>数据</translation>
    </message>
    <message>
        <source>Failed to open log file: %1</source>
        <translation>无法打开日志文件：%1</translation>
    </message>
    <message>
        <source>%1 initilized.</source>
        <translation>%1 初始化完成。</translation>
    </message>
    <message>
        <source>%1 initilizing...</source>
        <translation>%1 正在初始化...</translation>
    </message>
    <message>
        <source>Platform: </source>
        <translation>平台：</translation>
    </message>
    <message>
        <source>Runtime: Qt </source>
        <translation>运行库：Qt </translation>
    </message>
    <message>
        <source>Runtime: Tarrow </source>
        <translation>运行库：Tarrow </translation>
    </message>
    <message>
        <source>Runtime: Quennel </source>
        <translation>运行库：Quennel </translation>
    </message>
    <message>
        <source>Runtime: libavistore </source>
        <translation>运行库：libavistore </translation>
    </message>
    <message>
        <source>Version: </source>
        <translation>版本：</translation>
    </message>
    <message>
        <source>Location: </source>
        <translation>位置：</translation>
    </message>
    <message>
        <source>Work Dir: </source>
        <translation>工作目录：</translation>
    </message>
    <message>
        <source>PID: </source>
        <translation>进程号：</translation>
    </message>
    <message>
        <source>Loading Avistore SQLite database: %1</source>
        <translation>正在加载 Avistore SQLite 数据库：%1</translation>
    </message>
    <message>
        <source>Converting to Avistore binary database: %1</source>
        <translation>正在转换为 Avistore 二进制数据库：%1</translation>
    </message>
    <message>
        <source>Loading Avistore database: %1</source>
        <translation>正在加载 Avistore 数据库：%1</translation>
    </message>
    <message>
        <source>Avistore data file not found.</source>
        <translation>未找到 Avistore 数据文件。</translation>
    </message>
    <message>
        <source>Protocol</source>
        <translation>协议</translation>
    </message>
    <message>
        <source>Undefined or unsupported protocol.</source>
        <translation>未定义或不支持的协议。</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>格式</translation>
    </message>
    <message>
        <source>Undefined or unsupported format.</source>
        <translation>未定义或不支持的格式。</translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation>确认</translation>
    </message>
    <message>
        <source>Please remember to calibrate your clock before start!
Do you want to start now?</source>
        <translation>开始前请记得校准时钟！
现在开始吗？</translation>
    </message>
    <message>
        <source>1090ES ADS-B Decoder, Tracker &amp; Viewer.</source>
        <translation>1090ES ADS-B 解码、跟踪与显示软件。</translation>
    </message>
    <message>
        <source>TYPE</source>
        <translation>类型</translation>
    </message>
    <message>
        <source>BITS</source>
        <translation>位数</translation>
    </message>
    <message>
        <source>CRC</source>
        <translation>CRC</translation>
    </message>
    <message>
        <source>ADDRESS</source>
        <translation>地址</translation>
    </message>
    <message>
        <source>CONFIDENCE</source>
        <translation>置信度</translation>
    </message>
    <message>
        <source>MODE-S</source>
        <translation>MODE-S</translation>
    </message>
    <message>
        <source>ADS-B</source>
        <translation>ADS-B</translation>
    </message>
    <message>
        <source>TID</source>
        <translation>航迹号</translation>
    </message>
    <message>
        <source>COUNTRY</source>
        <translation>国家</translation>
    </message>
    <message>
        <source>REG</source>
        <translation>注册号</translation>
    </message>
    <message>
        <source>AC TYPE</source>
        <translation>机型</translation>
    </message>
    <message>
        <source>OPERATOR</source>
        <translation>运营人</translation>
    </message>
    <message>
        <source>CALLSIGN</source>
        <translation>呼号</translation>
    </message>
    <message>
        <source>SQUAWK</source>
        <translation>应答码</translation>
    </message>
    <message>
        <source>POSITION</source>
        <translation>位置</translation>
    </message>
    <message>
        <source>ALTITUDE</source>
        <translation>高度</translation>
    </message>
    <message>
        <source>SPEED</source>
        <translation>速度</translation>
    </message>
    <message>
        <source>HEADING</source>
        <translation>航向</translation>
    </message>
    <message>
        <source>V_RATE</source>
        <translation>垂直速率</translation>
    </message>
    <message>
        <source>AIR/GND</source>
        <translation>空/地</translation>
    </message>
    <message>
        <source>SPI</source>
        <translation>SPI</translation>
    </message>
    <message>
        <source>ALERT</source>
        <translation>告警</translation>
    </message>
    <message>
        <source>EC</source>
        <translation>EC</translation>
    </message>
    <message>
        <source>CA</source>
        <translation>CA</translation>
    </message>
    <message>
        <source>MOPS</source>
        <translation>MOPS</translation>
    </message>
    <message>
        <source>NUCp</source>
        <translation>NUCp</translation>
    </message>
    <message>
        <source>NIC</source>
        <translation>NIC</translation>
    </message>
    <message>
        <source>PIC</source>
        <translation>PIC</translation>
    </message>
    <message>
        <source>NUCr</source>
        <translation>NUCr</translation>
    </message>
    <message>
        <source>LAST UPDATE</source>
        <translation>最后更新</translation>
    </message>
    <message>
        <source>SIGNAL</source>
        <translation>信号</translation>
    </message>
    <message>
        <source>DF SUM</source>
        <translation>DF 合计</translation>
    </message>
    <message>
        <source>DF-4</source>
        <translation>DF-4</translation>
    </message>
    <message>
        <source>DF-5</source>
        <translation>DF-5</translation>
    </message>
    <message>
        <source>DF-11</source>
        <translation>DF-11</translation>
    </message>
    <message>
        <source>DF-17</source>
        <translation>DF-17</translation>
    </message>
    <message>
        <source>DF-20</source>
        <translation>DF-20</translation>
    </message>
    <message>
        <source>DF-21</source>
        <translation>DF-21</translation>
    </message>
    <message>
        <source>ACID</source>
        <translation>ACID</translation>
    </message>
    <message>
        <source>POS/G</source>
        <translation>POS/G</translation>
    </message>
    <message>
        <source>POS/A</source>
        <translation>POS/A</translation>
    </message>
    <message>
        <source>VEL/A</source>
        <translation>VEL/A</translation>
    </message>
    <message>
        <source>AC/S</source>
        <translation>AC/S</translation>
    </message>
    <message>
        <source>TG/S</source>
        <translation>TG/S</translation>
    </message>
    <message>
        <source>OP/S</source>
        <translation>OP/S</translation>
    </message>
    <message>
        <source>Failed to decode data</source>
        <translation>数据解码失败</translation>
    </message>
    <message>
        <source>Data record: %1</source>
        <translation>数据记录：%1</translation>
    </message>
    <message>
        <source>Undefined or unsupported protocol (%1).</source>
        <translation>未定义或不支持的协议（%1）。</translation>
    </message>
    <message>
        <source>Undefined input data source type (%1).</source>
        <translation>未定义的输入数据源类型（%1）。</translation>
    </message>
    <message>
        <source>Corrupted JSON message received (size %1).</source>
        <translation>收到损坏的 JSON 报文（大小 %1）。</translation>
    </message>
    <message>
        <source>Tracker settings refused: check the receiver position.</source>
        <translation>跟踪器设置被拒绝：请检查接收机位置。</translation>
    </message>
    <message>
        <source>GEO ALT</source>
        <translation>几何高度</translation>
    </message>
    <message>
        <source>POS REJ</source>
        <translation>拒绝位置</translation>
    </message>
    <message>
        <source>Traffic Scope</source>
        <translation>交通态势图</translation>
    </message>
    <message>
        <source>Scope</source>
        <translation>态势图</translation>
    </message>
    <message>
        <source>The targets on a map around the receiver</source>
        <translation>在接收机周围的地图上显示目标</translation>
    </message>
    <message>
        <source>&amp;Replay</source>
        <translation>回放(&amp;R)</translation>
    </message>
    <message>
        <source>Open Recording...</source>
        <translation>打开记录...</translation>
    </message>
    <message>
        <source>Replay</source>
        <translation>回放</translation>
    </message>
    <message>
        <source>Replay a recorded session (Veltmar recording, Beast dump, AVR text or CSV of frames)</source>
        <translation>回放记录的会话（Veltmar 记录、Beast 转储、AVR 文本或帧 CSV）</translation>
    </message>
    <message>
        <source>Record...</source>
        <translation>记录...</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>记录</translation>
    </message>
    <message>
        <source>Record every reply the input delivers, with its receive time, to a file</source>
        <translation>将输入送来的每个应答连同接收时间记录到文件</translation>
    </message>
    <message>
        <source>Real Time (1x)</source>
        <translation>实时（1 倍速）</translation>
    </message>
    <message>
        <source>Ten Times Faster (10x)</source>
        <translation>十倍速（10 倍速）</translation>
    </message>
    <message>
        <source>As Fast As Possible</source>
        <translation>尽可能快</translation>
    </message>
    <message>
        <source>Pause Replay</source>
        <translation>暂停回放</translation>
    </message>
    <message>
        <source>Open Recording</source>
        <translation>打开记录</translation>
    </message>
    <message>
        <source>Recordings (*.beast *.bin *.avr *.txt *.csv);;All Files (*)</source>
        <translation>记录文件 (*.beast *.bin *.avr *.txt *.csv);;所有文件 (*)</translation>
    </message>
    <message>
        <source>Veltmar Recordings (*.beast);;All Files (*)</source>
        <translation>Veltmar 记录文件 (*.beast);;所有文件 (*)</translation>
    </message>
    <message>
        <source>Recording %1: %2</source>
        <translation>正在记录 %1：%2</translation>
    </message>
    <message>
        <source>as fast as possible</source>
        <translation>尽可能快</translation>
    </message>
    <message>
        <source>%1x</source>
        <translation>%1 倍速</translation>
    </message>
    <message>
        <source>Replay finished: %1</source>
        <translation>回放结束：%1</translation>
    </message>
    <message>
        <source>Replay paused: %1</source>
        <translation>回放已暂停：%1</translation>
    </message>
    <message>
        <source>Replay (%1): %2</source>
        <translation>回放（%1）：%2</translation>
    </message>
    <message>
        <source>JSON target reports are shown here as they arrive, when the input format is JSON.</source>
        <translation>输入格式为 JSON 时，收到的 JSON 目标报告将在此显示。</translation>
    </message>
</context>
<context>
    <name>RecordingReader</name>
    <message>
        <source>Veltmar recording</source>
        <translation>Veltmar 记录</translation>
    </message>
    <message>
        <source>Mode-S Beast dump</source>
        <translation>Mode-S Beast 转储</translation>
    </message>
    <message>
        <source>AVR text</source>
        <translation>AVR 文本</translation>
    </message>
    <message>
        <source>CSV of frames with times</source>
        <translation>带时间的帧 CSV</translation>
    </message>
    <message>
        <source>The file holds no replies.</source>
        <translation>文件中没有应答。</translation>
    </message>
</context>
<context>
    <name>ReplaySource</name>
    <message>
        <source>Failed to open recording %1: %2</source>
        <translation>无法打开记录 %1：%2</translation>
    </message>
    <message>
        <source>Replaying %1 (%2).</source>
        <translation>正在回放 %1（%2）。</translation>
    </message>
    <message>
        <source>Replay of %1 stopped.</source>
        <translation>%1 的回放已停止。</translation>
    </message>
    <message>
        <source>Replay of %1 finished: %2 replies.</source>
        <translation>%1 的回放结束：%2 个应答。</translation>
    </message>
</context>
<context>
    <name>ScopeRenderer</name>
    <message>
        <source>No receiver position</source>
        <translation>未设置接收机位置</translation>
    </message>
    <message>
        <source>Rings every %1 NM</source>
        <translation>距离圈间隔 %1 海里</translation>
    </message>
    <message>
        <source>Rings off at this scale</source>
        <translation>此比例下不显示距离圈</translation>
    </message>
    <message>
        <source>Altitude</source>
        <translation>高度</translation>
    </message>
    <message>
        <source>%1 NM</source>
        <translation>%1 海里</translation>
    </message>
</context>
<context>
    <name>SerialInput</name>
    <message>
        <source>Open async serial port: %1</source>
        <translation>打开异步串口：%1</translation>
    </message>
    <message>
        <source>Device path: %1</source>
        <translation>设备路径：%1</translation>
    </message>
    <message>
        <source>Description: %1</source>
        <translation>描述：%1</translation>
    </message>
    <message>
        <source>Manufacturer: %1</source>
        <translation>制造商：%1</translation>
    </message>
    <message>
        <source>Vendor Identifier: %1</source>
        <translation>厂商标识：%1</translation>
    </message>
    <message>
        <source>Vendor Identifier: Not exist</source>
        <translation>厂商标识：不存在</translation>
    </message>
    <message>
        <source>Product Identifier: %1</source>
        <translation>产品标识：%1</translation>
    </message>
    <message>
        <source>Product Identifier: Not exist</source>
        <translation>产品标识：不存在</translation>
    </message>
    <message>
        <source>Serial port not found: %1</source>
        <translation>未找到串口：%1</translation>
    </message>
    <message>
        <source>Failed to open serial port: %1</source>
        <translation>无法打开串口：%1</translation>
    </message>
    <message>
        <source>Close async serial port</source>
        <translation>关闭异步串口</translation>
    </message>
</context>
<context>
    <name>SessionRecorder</name>
    <message>
        <source>Failed to open recording file %1: %2.</source>
        <translation>无法打开记录文件 %1：%2。</translation>
    </message>
    <message>
        <source>Recording to %1.</source>
        <translation>正在记录到 %1。</translation>
    </message>
    <message>
        <source>Recording to %1 stopped: %2 replies, %3 bytes.</source>
        <translation>记录到 %1 已停止：%2 个应答，%3 字节。</translation>
    </message>
</context>
<context>
    <name>StreamServer</name>
    <message>
        <source>%1 failed to listen on %2:%3: %4.</source>
        <translation>%1 无法在 %2:%3 上监听：%4。</translation>
    </message>
    <message>
        <source>%1 is listening on %2:%3.</source>
        <translation>%1 正在 %2:%3 上监听。</translation>
    </message>
    <message>
        <source>%1 has stopped.</source>
        <translation>%1 已停止。</translation>
    </message>
    <message>
        <source>%1: client %2:%3 disconnected.</source>
        <translation>%1：客户端 %2:%3 已断开。</translation>
    </message>
    <message>
        <source>%1: client %2:%3 connected (%4 clients).</source>
        <translation>%1：客户端 %2:%3 已连接（共 %4 个客户端）。</translation>
    </message>
    <message>
        <source>%1: client %2:%3 dropped, %4 bytes not taken.</source>
        <translation>%1：客户端 %2:%3 已被断开，%4 字节未被接收。</translation>
    </message>
</context>
<context>
    <name>TargetReportText</name>
    <message>
        <source>Address %1</source>
        <translation>地址 %1</translation>
    </message>
    <message>
        <source>Track number %1</source>
        <translation>航迹号 %1</translation>
    </message>
    <message>
        <source>Squawk %1</source>
        <translation>应答码 %1</translation>
    </message>
    <message>
        <source>Position %1 %2 (%3, %4)</source>
        <translation>位置 %1 %2（%3, %4）</translation>
    </message>
    <message>
        <source>On the ground</source>
        <translation>在地面</translation>
    </message>
    <message>
        <source>Altitude %1 ft</source>
        <translation>高度 %1 英尺</translation>
    </message>
    <message>
        <source>Ground speed %1 kt</source>
        <translation>地速 %1 节</translation>
    </message>
    <message>
        <source>Track %1°</source>
        <translation>航迹角 %1°</translation>
    </message>
    <message>
        <source>Vertical rate %1 ft/min</source>
        <translation>垂直速率 %1 英尺/分钟</translation>
    </message>
    <message>
        <source>Last reply %1</source>
        <translation>最后应答 %1</translation>
    </message>
</context>
<context>
    <name>TcpInput</name>
    <message>
        <source>TCP input has started.</source>
        <translation>TCP 输入已启动。</translation>
    </message>
    <message>
        <source>TCP connection disconnected from %1:%2</source>
        <translation>TCP 连接已从 %1:%2 断开</translation>
    </message>
    <message>
        <source>Failed to disconnect TCP input connection.</source>
        <translation>无法断开 TCP 输入连接。</translation>
    </message>
    <message>
        <source>TCP connection establishd to %1:%2</source>
        <translation>已建立到 %1:%2 的 TCP 连接</translation>
    </message>
    <message>
        <source>Failed to connect to TCP server %1:%2: %3</source>
        <translation>无法连接 TCP 服务器 %1:%2：%3</translation>
    </message>
    <message>
        <source>TCP input reconnects to %1:%2 in %3 s (attempt %4).</source>
        <translation>TCP 输入将在 %3 秒后重新连接 %1:%2（第 %4 次尝试）。</translation>
    </message>
    <message>
        <source>No data from TCP server %1:%2 for %3 s: reconnecting.</source>
        <translation>TCP 服务器 %1:%2 已 %3 秒无数据：正在重新连接。</translation>
    </message>
</context>
<context>
    <name>TrafficScope</name>
    <message>
        <source>Fit all targets</source>
        <translation>显示全部目标</translation>
    </message>
    <message>
        <source>Zoom and pan so that every target is in view</source>
        <translation>缩放并平移视图，使所有目标可见</translation>
    </message>
    <message>
        <source>Centre on receiver</source>
        <translation>以接收机为中心</translation>
    </message>
    <message>
        <source>Move the view to the receiver position</source>
        <translation>将视图移到接收机位置</translation>
    </message>
    <message>
        <source>No map data</source>
        <translation>无地图数据</translation>
    </message>
    <message>
        <source>No map data: %1</source>
        <translation>无地图数据：%1</translation>
    </message>
</context>
<context>
    <name>UdpInput</name>
    <message>
        <source>UDP input has started.</source>
        <translation>UDP 输入已启动。</translation>
    </message>
    <message>
        <source>Failed to bind UDP port %1.</source>
        <translation>无法绑定 UDP 端口 %1。</translation>
    </message>
    <message>
        <source>Listening on UDP %1:%2.</source>
        <translation>正在监听 UDP %1:%2。</translation>
    </message>
    <message>
        <source>UDP input has stopped.</source>
        <translation>UDP 输入已停止。</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Veltmar</source>
        <translation>Veltmar</translation>
    </message>
    <message>
        <source>1090ES ADS-B Decoder, Tracker &amp; Viewer.</source>
        <translation>1090ES ADS-B 解码、跟踪与显示软件。</translation>
    </message>
    <message>
        <source>Read and write the settings in &lt;file&gt; (INI format) instead of the per-user settings store.</source>
        <translation>在 &lt;文件&gt;（INI 格式）中读写设置，而不使用用户设置存储。</translation>
    </message>
    <message>
        <source>file</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>Start processing once the window is up, as if Start Processing had been chosen.</source>
        <translation>窗口出现后立即开始处理，如同选择了“开始处理”。</translation>
    </message>
    <message>
        <source>Also append every log line to &lt;file&gt;.</source>
        <translation>同时把每一行日志追加到 &lt;文件&gt;。</translation>
    </message>
    <message>
        <source>Measure the event loop&apos;s responsiveness and the CPU time, and write them to &lt;file&gt; (JSON) at exit.</source>
        <translation>测量事件循环的响应速度和 CPU 时间，退出时写入 &lt;文件&gt;（JSON）。</translation>
    </message>
    <message>
        <source>Close the window after &lt;seconds&gt;.</source>
        <translation>&lt;秒数&gt; 后关闭窗口。</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>秒数</translation>
    </message>
</context>
</TS>
