<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="zh_TW">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>關於 Zarni</source>
        <translation>关于 Zarni</translation>
    </message>
    <message>
        <source>確定</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>CArrayCells</name>
    <message>
        <source>陣列</source>
        <translation>数组</translation>
    </message>
</context>
<context>
    <name>CArrayPanel</name>
    <message>
        <source>陣列</source>
        <translation>数组</translation>
    </message>
    <message>
        <source>節點 %1：</source>
        <translation>节点 %1：</translation>
    </message>
</context>
<context>
    <name>CCodePanel</name>
    <message>
        <source>程式碼</source>
        <translation>代码</translation>
    </message>
    <message>
        <source>第 %1 / %2 步&#x3000;走過 %3 個節點&#x3000;合併 %4 次</source>
        <translation>第 %1 / %2 步&#x3000;走过 %3 个节点&#x3000;合并 %4 次</translation>
    </message>
    <message>
        <source>第 %1 / %2 步&#x3000;比較 %3 次&#x3000;搬移 %4 次</source>
        <translation>第 %1 / %2 步&#x3000;比较 %3 次&#x3000;搬移 %4 次</translation>
    </message>
</context>
<context>
    <name>CDialogButtons</name>
    <message>
        <source>確定</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>CDocument</name>
    <message>
        <source>這不是一般的檔案（例如管道或裝置），無法開啟。</source>
        <translation>这不是一般的文件（例如管道或设备），无法打开。</translation>
    </message>
    <message>
        <source>這是一個資料夾，不是檔案。</source>
        <translation>这是一个文件夹，不是文件。</translation>
    </message>
    <message>
        <source>無法儲存檔案 %1：
%2</source>
        <translation>无法保存文件 %1：
%2</translation>
    </message>
    <message>
        <source>%1 不是 Zarni 文件，儲存會清除它的內容；沒有儲存。</source>
        <translation>%1 不是 Zarni 文档，保存会清除它的内容；没有保存。</translation>
    </message>
    <message>
        <source>檔案 %1 不是 Zarni 文件，儲存會清除它的內容。
仍要儲存嗎？</source>
        <translation>文件 %1 不是 Zarni 文档，保存会清除它的内容。
仍要保存吗？</translation>
    </message>
</context>
<context>
    <name>CExerciseDlg</name>
    <message>
        <source>題目(&amp;E)：</source>
        <translation>题目(&amp;E)：</translation>
    </message>
    <message>
        <source>大小(&amp;Z)：</source>
        <translation>大小(&amp;Z)：</translation>
    </message>
    <message>
        <source>合併輸出幾個值(&amp;O)：</source>
        <translation>合并输出几个值(&amp;O)：</translation>
    </message>
    <message>
        <source>隨機種子(&amp;S)：</source>
        <translation>随机种子(&amp;S)：</translation>
    </message>
</context>
<context>
    <name>CExportDlg</name>
    <message>
        <source>匯出圖片</source>
        <translation>导出图片</translation>
    </message>
    <message>
        <source>以幾倍的像素畫出畫布；文字一樣清晰</source>
        <translation>以几倍的像素画出画布；文字一样清晰</translation>
    </message>
    <message>
        <source>放大倍數(&amp;S)：</source>
        <translation>放大倍数(&amp;S)：</translation>
    </message>
    <message>
        <source>匯出動畫</source>
        <translation>导出动画</translation>
    </message>
    <message>
        <source>網頁 (*.html)</source>
        <translation>网页 (*.html)</translation>
    </message>
    <message>
        <source>學習平台套件 SCORM 1.2 (*.zip)</source>
        <translation>学习平台课件包 SCORM 1.2 (*.zip)</translation>
    </message>
    <message>
        <source> 毫秒</source>
        <translation> 毫秒</translation>
    </message>
    <message>
        <source>每一步下面加上說明</source>
        <translation>每一步下面加上说明</translation>
    </message>
    <message>
        <source>從第幾步(&amp;F)：</source>
        <translation>从第几步(&amp;F)：</translation>
    </message>
    <message>
        <source>到第幾步(&amp;O)：</source>
        <translation>到第几步(&amp;O)：</translation>
    </message>
    <message>
        <source>每步顯示(&amp;M)：</source>
        <translation>每步显示(&amp;M)：</translation>
    </message>
    <message>
        <source>學習平台套件的及格分數(&amp;P)：</source>
        <translation>学习平台课件包的及格分数(&amp;P)：</translation>
    </message>
</context>
<context>
    <name>CGotoDlg</name>
    <message>
        <source>跳至節點</source>
        <translation>跳至节点</translation>
    </message>
    <message>
        <source>節點的索引（1 到 %1）：</source>
        <translation>节点的索引（1 到 %1）：</translation>
    </message>
    <message>
        <source>這棵樹沒有節點 %1：索引必須在 1 到 %2 之間。</source>
        <translation>这棵树没有节点 %1：索引必须在 1 到 %2 之间。</translation>
    </message>
    <message>
        <source>「%1」不是整數。</source>
        <translation>「%1」不是整数。</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>檔案(&amp;F)</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>開啟新檔(&amp;N)	Ctrl+N</source>
        <translation>新建(&amp;N)	Ctrl+N</translation>
    </message>
    <message>
        <source>開啟舊檔(&amp;O)...	Ctrl+O</source>
        <translation>打开(&amp;O)...	Ctrl+O</translation>
    </message>
    <message>
        <source>列印設定(&amp;R)...</source>
        <translation>打印设置(&amp;R)...</translation>
    </message>
    <message>
        <source>最近開啟檔案</source>
        <translation>最近打开的文件</translation>
    </message>
    <message>
        <source>結束(&amp;X)</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>執行腳本(&amp;R)...</source>
        <translation>执行脚本(&amp;R)...</translation>
    </message>
    <message>
        <source>停止腳本(&amp;T)	Esc</source>
        <translation>停止脚本(&amp;T)	Esc</translation>
    </message>
    <message>
        <source>檢視(&amp;V)</source>
        <translation>视图(&amp;V)</translation>
    </message>
    <message>
        <source>工具列(&amp;T)</source>
        <translation>工具栏(&amp;T)</translation>
    </message>
    <message>
        <source>狀態列(&amp;S)</source>
        <translation>状态栏(&amp;S)</translation>
    </message>
    <message>
        <source>全螢幕(&amp;U)	F11</source>
        <translation>全屏(&amp;U)	F11</translation>
    </message>
    <message>
        <source>語言(&amp;L)</source>
        <translation>语言(&amp;L)</translation>
    </message>
    <message>
        <source>說明(&amp;H)</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>關於 Zarni(&amp;A)...</source>
        <translation>关于 Zarni(&amp;A)...</translation>
    </message>
    <message>
        <source>關閉檔案(&amp;C)</source>
        <translation>关闭文件(&amp;C)</translation>
    </message>
    <message>
        <source>儲存檔案(&amp;S)	Ctrl+S</source>
        <translation>保存文件(&amp;S)	Ctrl+S</translation>
    </message>
    <message>
        <source>另存新檔(&amp;A)...</source>
        <translation>另存为(&amp;A)...</translation>
    </message>
    <message>
        <source>匯出圖片(&amp;E)...</source>
        <translation>导出图片(&amp;E)...</translation>
    </message>
    <message>
        <source>匯出動畫(&amp;M)...</source>
        <translation>导出动画(&amp;M)...</translation>
    </message>
    <message>
        <source>列印(&amp;P)...	Ctrl+P</source>
        <translation>打印(&amp;P)...	Ctrl+P</translation>
    </message>
    <message>
        <source>預覽列印(&amp;V)</source>
        <translation>打印预览(&amp;V)</translation>
    </message>
    <message>
        <source>列印設定(&amp;R)</source>
        <translation>打印设置(&amp;R)</translation>
    </message>
    <message>
        <source>另存為腳本(&amp;W)...</source>
        <translation>另存为脚本(&amp;W)...</translation>
    </message>
    <message>
        <source>編輯(&amp;E)</source>
        <translation>编辑(&amp;E)</translation>
    </message>
    <message>
        <source>復原(&amp;U)	Ctrl+Z</source>
        <translation>撤销(&amp;U)	Ctrl+Z</translation>
    </message>
    <message>
        <source>剪下(&amp;T)	Ctrl+X</source>
        <translation>剪切(&amp;T)	Ctrl+X</translation>
    </message>
    <message>
        <source>複製(&amp;C)	Ctrl+C</source>
        <translation>复制(&amp;C)	Ctrl+C</translation>
    </message>
    <message>
        <source>貼上(&amp;P)	Ctrl+V</source>
        <translation>粘贴(&amp;P)	Ctrl+V</translation>
    </message>
    <message>
        <source>陣列(&amp;A)</source>
        <translation>数组(&amp;A)</translation>
    </message>
    <message>
        <source>程式碼(&amp;O)</source>
        <translation>代码(&amp;O)</translation>
    </message>
    <message>
        <source>練習模式(&amp;R)	F8</source>
        <translation>练习模式(&amp;R)	F8</translation>
    </message>
    <message>
        <source>提示(&amp;H)	Shift+F8</source>
        <translation>提示(&amp;H)	Shift+F8</translation>
    </message>
    <message>
        <source>跳至節點(&amp;G)...	Ctrl+G</source>
        <translation>跳至节点(&amp;G)...	Ctrl+G</translation>
    </message>
    <message>
        <source>整棵樹放進視窗(&amp;I)	Ctrl+Shift+F</source>
        <translation>整棵树放进窗口(&amp;I)	Ctrl+Shift+F</translation>
    </message>
    <message>
        <source>跟著視窗(&amp;W)</source>
        <translation>跟着窗口(&amp;W)</translation>
    </message>
    <message>
        <source>節點數(&amp;N)...</source>
        <translation>节点数(&amp;N)...</translation>
    </message>
    <message>
        <source>文字放大(&amp;Z)	Ctrl+Shift+=</source>
        <translation>文字放大(&amp;Z)	Ctrl+Shift+=</translation>
    </message>
    <message>
        <source>文字縮小(&amp;M)	Ctrl+Shift+-</source>
        <translation>文字缩小(&amp;M)	Ctrl+Shift+-</translation>
    </message>
    <message>
        <source>文字原來大小(&amp;E)</source>
        <translation>文字原来大小(&amp;E)</translation>
    </message>
    <message>
        <source>顯示節點編號(&amp;D)</source>
        <translation>显示节点编号(&amp;D)</translation>
    </message>
    <message>
        <source>簡報模式(&amp;P)	F5</source>
        <translation>演示模式(&amp;P)	F5</translation>
    </message>
    <message>
        <source>視窗(&amp;W)</source>
        <translation>窗口(&amp;W)</translation>
    </message>
    <message>
        <source>新增視窗(&amp;N)</source>
        <translation>新建窗口(&amp;N)</translation>
    </message>
    <message>
        <source>重疊顯示(&amp;C)</source>
        <translation>层叠显示(&amp;C)</translation>
    </message>
    <message>
        <source>並排顯示(&amp;T)</source>
        <translation>并排显示(&amp;T)</translation>
    </message>
    <message>
        <source>排列圖示(&amp;A)</source>
        <translation>排列图标(&amp;A)</translation>
    </message>
    <message>
        <source>分割(&amp;P)</source>
        <translation>拆分(&amp;P)</translation>
    </message>
    <message>
        <source>Winner Tree</source>
        <translation>Winner Tree</translation>
    </message>
    <message>
        <source>Winner_Tree</source>
        <translation>Winner_Tree</translation>
    </message>
    <message>
        <source>Go</source>
        <translation>Go</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>暫停(&amp;P)	Space</source>
        <translation>暂停(&amp;P)	Space</translation>
    </message>
    <message>
        <source>下一步(&amp;N)	Ctrl+Right</source>
        <translation>下一步(&amp;N)	Ctrl+Right</translation>
    </message>
    <message>
        <source>上一步(&amp;B)	Ctrl+Left</source>
        <translation>上一步(&amp;B)	Ctrl+Left</translation>
    </message>
    <message>
        <source>從頭開始(&amp;R)	Ctrl+Home</source>
        <translation>从头开始(&amp;R)	Ctrl+Home</translation>
    </message>
    <message>
        <source>直接看結果(&amp;E)	Ctrl+End</source>
        <translation>直接看结果(&amp;E)	Ctrl+End</translation>
    </message>
    <message>
        <source>加快(&amp;F)	Ctrl+]</source>
        <translation>加快(&amp;F)	Ctrl+]</translation>
    </message>
    <message>
        <source>放慢(&amp;S)	Ctrl+[</source>
        <translation>放慢(&amp;S)	Ctrl+[</translation>
    </message>
    <message>
        <source>更多視窗(&amp;M)...</source>
        <translation>更多窗口(&amp;M)...</translation>
    </message>
    <message>
        <source>執行</source>
        <translation>执行</translation>
    </message>
    <message>
        <source>播放速度</source>
        <translation>播放速度</translation>
    </message>
    <message>
        <source>執行到第幾步</source>
        <translation>执行到第几步</translation>
    </message>
    <message>
        <source>選擇視窗</source>
        <translation>选择窗口</translation>
    </message>
    <message>
        <source>選擇要啟動的視窗(&amp;S)：</source>
        <translation>选择要启动的窗口(&amp;S)：</translation>
    </message>
    <message>
        <source>節點數</source>
        <translation>节点数</translation>
    </message>
    <message>
        <source>樹的節點數（1 到 %1）：</source>
        <translation>树的节点数（1 到 %1）：</translation>
    </message>
    <message>
        <source>練習：答對 %1/%2</source>
        <translation>练习：答对 %1/%2</translation>
    </message>
    <message>
        <source>堆積(&amp;P)</source>
        <translation>堆(&amp;P)</translation>
    </message>
    <message>
        <source>設定節點值(&amp;V)...</source>
        <translation>设置节点值(&amp;V)...</translation>
    </message>
    <message>
        <source>最大堆積(&amp;X)</source>
        <translation>最大堆(&amp;X)</translation>
    </message>
    <message>
        <source>最小堆積(&amp;N)</source>
        <translation>最小堆(&amp;N)</translation>
    </message>
    <message>
        <source>由下而上建堆積(&amp;B)</source>
        <translation>由下而上建堆(&amp;B)</translation>
    </message>
    <message>
        <source>逐一插入建堆積(&amp;I)</source>
        <translation>逐一插入建堆(&amp;I)</translation>
    </message>
    <message>
        <source>堆積排序(&amp;S)</source>
        <translation>堆排序(&amp;S)</translation>
    </message>
    <message>
        <source>插入值(&amp;A)...</source>
        <translation>插入值(&amp;A)...</translation>
    </message>
    <message>
        <source>取出樹根(&amp;E)</source>
        <translation>取出树根(&amp;E)</translation>
    </message>
    <message>
        <source>更改節點值(&amp;K)...</source>
        <translation>更改节点值(&amp;K)...</translation>
    </message>
    <message>
        <source>刪除節點(&amp;D)...</source>
        <translation>删除节点(&amp;D)...</translation>
    </message>
    <message>
        <source>合併序列(&amp;M)...</source>
        <translation>合并序列(&amp;M)...</translation>
    </message>
    <message>
        <source>輸出勝者(&amp;O)	Ctrl+Down</source>
        <translation>输出胜者(&amp;O)	Ctrl+Down</translation>
    </message>
    <message>
        <source>全部輸出(&amp;A)	Ctrl+Shift+Down</source>
        <translation>全部输出(&amp;A)	Ctrl+Shift+Down</translation>
    </message>
    <message>
        <source>置換選擇(&amp;C)...</source>
        <translation>置换选择(&amp;C)...</translation>
    </message>
    <message>
        <source>合併這些序列(&amp;G)</source>
        <translation>合并这些序列(&amp;G)</translation>
    </message>
    <message>
        <source>找第二名(&amp;2)</source>
        <translation>找第二名(&amp;2)</translation>
    </message>
    <message>
        <source>區間樹(&amp;G)</source>
        <translation>线段树(&amp;G)</translation>
    </message>
    <message>
        <source>建立區間樹(&amp;B)...</source>
        <translation>创建线段树(&amp;B)...</translation>
    </message>
    <message>
        <source>區間和(&amp;U)</source>
        <translation>区间和(&amp;U)</translation>
    </message>
    <message>
        <source>區間最小值(&amp;N)</source>
        <translation>区间最小值(&amp;N)</translation>
    </message>
    <message>
        <source>區間最大值(&amp;X)</source>
        <translation>区间最大值(&amp;X)</translation>
    </message>
    <message>
        <source>設定位置的值(&amp;S)...</source>
        <translation>设置位置的值(&amp;S)...</translation>
    </message>
    <message>
        <source>區間查詢(&amp;Q)...</source>
        <translation>区间查询(&amp;Q)...</translation>
    </message>
    <message>
        <source>區間加值(&amp;A)...</source>
        <translation>区间加值(&amp;A)...</translation>
    </message>
    <message>
        <source>設定葉節點(&amp;L)...</source>
        <translation>设置叶节点(&amp;L)...</translation>
    </message>
    <message>
        <source>勝者樹(&amp;W)</source>
        <translation>胜者树(&amp;W)</translation>
    </message>
    <message>
        <source>敗者樹(&amp;T)</source>
        <translation>败者树(&amp;T)</translation>
    </message>
    <message>
        <source>練習(&amp;X)</source>
        <translation>练习(&amp;X)</translation>
    </message>
    <message>
        <source>新題目(&amp;N)...</source>
        <translation>新题目(&amp;N)...</translation>
    </message>
    <message>
        <source>交卷(&amp;G)</source>
        <translation>交卷(&amp;G)</translation>
    </message>
    <message>
        <source>看解答(&amp;S)</source>
        <translation>看解答(&amp;S)</translation>
    </message>
    <message>
        <source>交卷時才評分(&amp;E)</source>
        <translation>交卷时才评分(&amp;E)</translation>
    </message>
    <message>
        <source>配色(&amp;C)</source>
        <translation>配色(&amp;C)</translation>
    </message>
    <message>
        <source>朗讀(&amp;K)</source>
        <translation>朗读(&amp;K)</translation>
    </message>
    <message>
        <source>框選節點</source>
        <translation>框选节点</translation>
    </message>
    <message>
        <source>拖動畫布</source>
        <translation>拖动画布</translation>
    </message>
    <message>
        <source>方框變窄</source>
        <translation>方框变窄</translation>
    </message>
    <message>
        <source>方框變寬</source>
        <translation>方框变宽</translation>
    </message>
    <message>
        <source>方框變矮</source>
        <translation>方框变矮</translation>
    </message>
    <message>
        <source>方框變高</source>
        <translation>方框变高</translation>
    </message>
    <message>
        <source>縮放倍數</source>
        <translation>缩放倍数</translation>
    </message>
    <message>
        <source>文件視窗</source>
        <translation>文档窗口</translation>
    </message>
    <message>
        <source>範例課程(&amp;L)...</source>
        <translation>范例课程(&amp;L)...</translation>
    </message>
</context>
<context>
    <name>CNumbersDlg</name>
    <message>
        <source>從檔案載入(&amp;F)...</source>
        <translation>从文件加载(&amp;F)...</translation>
    </message>
    <message>
        <source>文字檔 (*.txt);;所有檔案 (*)</source>
        <translation>文字文件 (*.txt);;所有文件 (*)</translation>
    </message>
    <message>
        <source>隨機填入(&amp;R)</source>
        <translation>随机填入(&amp;R)</translation>
    </message>
    <message>
        <source>%1：%2</source>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>無法讀取 %1：%2</source>
        <translation>无法读取 %1：%2</translation>
    </message>
    <message>
        <source>檔案超過 %1 MB，比任何合併用得到的都大</source>
        <translation>文件超过 %1 MB，比任何合并用得到的都大</translation>
    </message>
</context>
<context>
    <name>CProblemText</name>
    <message>
        <source>「%1」不是整數。</source>
        <translation>「%1」不是整数。</translation>
    </message>
    <message>
        <source>%1 超出範圍：值必須在 -%2 到 %2 之間。</source>
        <translation>%1 超出范围：值必须在 -%2 到 %2 之间。</translation>
    </message>
    <message>
        <source>這棵樹有 %1 個葉節點，不是 %2 個值。</source>
        <translation>这棵树有 %1 个叶节点，不是 %2 个值。</translation>
    </message>
    <message>
        <source>這棵樹有 %1 個節點，不是 %2 個值。</source>
        <translation>这棵树有 %1 个节点，不是 %2 个值。</translation>
    </message>
    <message>
        <source>這棵樹沒有節點 %1：索引必須在 1 到 %2 之間。</source>
        <translation>这棵树没有节点 %1：索引必须在 1 到 %2 之间。</translation>
    </message>
    <message>
        <source>畫面上是堆積排序：排好的節點不是堆積。請先重新建堆積或設定節點值。</source>
        <translation>画面上是堆排序：排好的节点不是堆。请先重新建堆或设置节点值。</translation>
    </message>
    <message>
        <source>這棵樹已經有 %1 個節點，不能再加。</source>
        <translation>这棵树已经有 %1 个节点，不能再加。</translation>
    </message>
    <message>
        <source>堆積是空的。</source>
        <translation>堆是空的。</translation>
    </message>
    <message>
        <source>堆積沒有節點 %1：索引必須在 1 到 %2 之間。</source>
        <translation>堆没有节点 %1：索引必须在 1 到 %2 之间。</translation>
    </message>
    <message>
        <source>這些值不是最小堆積：節點 %1 的值小於它的父節點的值。</source>
        <translation>这些值不是最小堆：节点 %1 的值小于它的父节点的值。</translation>
    </message>
    <message>
        <source>這些值不是最大堆積：節點 %1 的值大於它的父節點的值。</source>
        <translation>这些值不是最大堆：节点 %1 的值大于它的父节点的值。</translation>
    </message>
    <message>
        <source>節點 %1 的值 %2 超出範圍：堆積的值必須在 -%3 到 %3 之間。</source>
        <translation>节点 %1 的值 %2 超出范围：堆的值必须在 -%3 到 %3 之间。</translation>
    </message>
    <message>
        <source>節點 %1 沒有值：堆積的每個節點都要是整數。</source>
        <translation>节点 %1 没有值：堆的每个节点都要是整数。</translation>
    </message>
    <message>
        <source>節點 %1 的值破壞了堆積順序：這個題目要從堆積開始。</source>
        <translation>节点 %1 的值破坏了堆顺序：这个题目要从堆开始。</translation>
    </message>
    <message>
        <source>%1 比前一個值大；序列必須由大到小排列。</source>
        <translation>%1 比前一个值大；序列必须由大到小排列。</translation>
    </message>
    <message>
        <source>這個序列是空的。</source>
        <translation>这个序列是空的。</translation>
    </message>
    <message>
        <source>序列最多 %1 個值。</source>
        <translation>序列最多 %1 个值。</translation>
    </message>
    <message>
        <source>合併至少需要 %1 個序列，這裡只有 %2 個。</source>
        <translation>合并至少需要 %1 个序列，这里只有 %2 个。</translation>
    </message>
    <message>
        <source>合併最多只能有 %1 個序列，這裡有 %2 個。</source>
        <translation>合并最多只能有 %1 个序列，这里有 %2 个。</translation>
    </message>
    <message>
        <source>第 %1 行（序列 %2）：</source>
        <translation>第 %1 行（序列 %2）：</translation>
    </message>
    <message>
        <source>序列 %1：</source>
        <translation>序列 %1：</translation>
    </message>
    <message>
        <source>這個題目最多 %1 個序列，不是 %2 個。</source>
        <translation>这个题目最多 %1 个序列，不是 %2 个。</translation>
    </message>
    <message>
        <source>輸入整個成為一個排好的序列，不必合併。</source>
        <translation>输入整个成为一个排好的序列，不必合并。</translation>
    </message>
    <message>
        <source>沒有任何值。</source>
        <translation>没有任何值。</translation>
    </message>
    <message>
        <source>最多只能有 %1 個值。</source>
        <translation>最多只能有 %1 个值。</translation>
    </message>
    <message>
        <source>第 %1 行：</source>
        <translation>第 %1 行：</translation>
    </message>
    <message>
        <source>這個視窗沒有置換選擇產生的序列。</source>
        <translation>这个窗口没有置换选择产生的序列。</translation>
    </message>
    <message numerus="yes">
        <source>置換選擇產生了 %n 個序列，合併最多只能有 %1 個。</source>
        <translation>
            <numerusform>置换选择产生了 %n 个序列，合并最多只能有 %1 个。</numerusform>
        </translation>
    </message>
    <message>
        <source>敗者樹不找第二名：請改用勝者樹。</source>
        <translation>败者树不找第二名：请改用胜者树。</translation>
    </message>
    <message>
        <source>先把勝者樹的比賽播完，才能找第二名。</source>
        <translation>先把胜者树的比赛播完，才能找第二名。</translation>
    </message>
    <message>
        <source>區間樹要有 1 到 %1 個值，不是 %2 個。</source>
        <translation>线段树要有 1 到 %1 个值，不是 %2 个。</translation>
    </message>
    <message>
        <source>這裡沒有區間樹：請先建立區間樹。</source>
        <translation>这里没有线段树：请先创建线段树。</translation>
    </message>
    <message>
        <source>沒有位置 %1：位置必須在 0 到 %2 之間。</source>
        <translation>没有位置 %1：位置必须在 0 到 %2 之间。</translation>
    </message>
    <message>
        <source>起點 %1 大於終點 %2。</source>
        <translation>起点 %1 大于终点 %2。</translation>
    </message>
    <message>
        <source>位置 %1 的值 %2 加上 %3 會超出 -%4 到 %4 的範圍。</source>
        <translation>位置 %1 的值 %2 加上 %3 会超出 -%4 到 %4 的范围。</translation>
    </message>
    <message>
        <source>節點 %1 不是葉節點（葉節點是 %2 到 %3）。</source>
        <translation>节点 %1 不是叶节点（叶节点是 %2 到 %3）。</translation>
    </message>
    <message>
        <source>這個題目要 %1 到 %2 個值，不是 %3 個。</source>
        <translation>这个题目要 %1 到 %2 个值，不是 %3 个。</translation>
    </message>
    <message>
        <source>沒有進行中的題目：先從「練習 › 新題目」出一題。</source>
        <translation>没有进行中的题目：先从「练习 › 新题目」出一题。</translation>
    </message>
    <message>
        <source>這棵樹上沒有這個動作。</source>
        <translation>这棵树上没有这个动作。</translation>
    </message>
    <message>
        <source>這一題的解答已經播過了：用播放器再看一次。</source>
        <translation>这一题的解答已经播过了：用播放器再看一次。</translation>
    </message>
    <message>
        <source>這些值不用做任何動作就已經是答案：換一組值。</source>
        <translation>这些值不用做任何动作就已经是答案：换一组值。</translation>
    </message>
    <message>
        <source>大小 %1 的「%2」沒有動作可做：大小至少要 %3。</source>
        <translation>大小 %1 的“%2”没有动作可做：大小至少要 %3。</translation>
    </message>
    <message>
        <source>第一個數是 P，要在 %1 到 %2 之間，不是 %3。</source>
        <translation>第一个数是 P，要在 %1 到 %2 之间，不是 %3。</translation>
    </message>
    <message>
        <source>P 是 %1，P 後面只有 %2 個值：值要比 P 多，才有值要等下一個序列。</source>
        <translation>P 是 %1，P 后面只有 %2 个值：值要比 P 多，才有值要等下一个序列。</translation>
    </message>
    <message>
        <source>這個題目每個動作做了就評分，不能復原；要能復原，把「練習 › 交卷時才評分」打勾再出題。</source>
        <translation>这个题目每个动作做了就评分，不能复原；要能复原，把“练习 › 交卷时才评分”打勾再出题。</translation>
    </message>
    <message>
        <source>還沒有做任何動作，沒有可以復原的。</source>
        <translation>还没有做任何动作，没有可以复原的。</translation>
    </message>
</context>
<context>
    <name>CRecordPanel</name>
    <message>
        <source>合併</source>
        <translation>合并</translation>
    </message>
    <message>
        <source>複製輸出(&amp;C)</source>
        <translation>复制输出(&amp;C)</translation>
    </message>
    <message>
        <source>把輸出的值複製到剪貼簿</source>
        <translation>把输出的值复制到剪贴板</translation>
    </message>
    <message>
        <source>這個視窗沒有合併。</source>
        <translation>这个窗口没有合并。</translation>
    </message>
</context>
<context>
    <name>CSpeaker</name>
    <message>
        <source>沒有可用的語音（或語音服務沒有回應），朗讀維持關閉。</source>
        <translation>没有可用的语音（或语音服务没有响应），朗读保持关闭。</translation>
    </message>
</context>
<context>
    <name>CStartPage</name>
    <message>
        <source>堆積排序</source>
        <translation>堆排序</translation>
    </message>
    <message>
        <source>由下而上建最大堆積，再一次次把樹根換到最後。</source>
        <translation>自底向上建最大堆，再一次次把根换到最后。</translation>
    </message>
    <message>
        <source>優先佇列</source>
        <translation>优先队列</translation>
    </message>
    <message>
        <source>最小堆積的插入、取出、改小鍵值與刪除。</source>
        <translation>最小堆的插入、取出、减小键值与删除。</translation>
    </message>
    <message>
        <source>勝者樹與敗者樹</source>
        <translation>胜者树与败者树</translation>
    </message>
    <message>
        <source>同一場淘汰賽，每個節點留下勝者，或留下敗者。</source>
        <translation>同一场淘汰赛，每个节点留下胜者，或留下败者。</translation>
    </message>
    <message>
        <source>合併排好的序列</source>
        <translation>合并已排序的序列</translation>
    </message>
    <message>
        <source>勝者樹每次寫出最大的值，只重賽它那一條路徑。</source>
        <translation>胜者树每次输出最大的值，只重赛它那一条路径。</translation>
    </message>
    <message>
        <source>置換選擇與外部排序</source>
        <translation>置换选择与外部排序</translation>
    </message>
    <message>
        <source>敗者樹切出比記憶體長的序列，再把序列合併。</source>
        <translation>败者树切出比内存长的序列，再把序列合并。</translation>
    </message>
    <message>
        <source>區間和的查詢，和延後往下傳的區間加值。</source>
        <translation>区间和的查询，和延迟下传的区间加值。</translation>
    </message>
    <message>
        <source>找第二名</source>
        <translation>找第二名</translation>
    </message>
    <message>
        <source>第二名只輸給冠軍：只讓冠軍打敗的值再比一次。</source>
        <translation>第二名只输给冠军：只让冠军打败的值再比一次。</translation>
    </message>
    <message>
        <source>練習：建堆積</source>
        <translation>练习：建堆</translation>
    </message>
    <message>
        <source>自己點兩個節點交換，每一步都馬上評分。</source>
        <translation>自己点两个节点交换，每一步都马上评分。</translation>
    </message>
    <message>
        <source>你的課程所在的資料夾</source>
        <translation>你的课程所在的文件夹</translation>
    </message>
    <message>
        <source>範例課程</source>
        <translation>范例课程</translation>
    </message>
    <message>
        <source>選一堂課開始：按兩下開啟，翻頁鍵或空白鍵一步步講下去。</source>
        <translation>选一堂课开始：双击打开，翻页键或空格键一步步讲下去。</translation>
    </message>
    <message>
        <source>也可以列出你自己的課程（.zs 腳本）所在的資料夾。</source>
        <translation>也可以列出你自己的课程（.zs 脚本）所在的文件夹。</translation>
    </message>
    <message>
        <source>你的課程：%1</source>
        <translation>你的课程：%1</translation>
    </message>
    <message>
        <source>選擇資料夾(&amp;F)...</source>
        <translation>选择文件夹(&amp;F)...</translation>
    </message>
    <message>
        <source>啟動時顯示這一頁(&amp;S)</source>
        <translation>启动时显示这一页(&amp;S)</translation>
    </message>
    <message>
        <source>開啟(&amp;O)</source>
        <translation>打开(&amp;O)</translation>
    </message>
    <message>
        <source>關閉(&amp;C)</source>
        <translation>关闭(&amp;C)</translation>
    </message>
    <message>
        <source>區間樹</source>
        <translation>线段树</translation>
    </message>
</context>
<context>
    <name>CValuesDlg</name>
    <message>
        <source>設定葉節點</source>
        <translation>设置叶节点</translation>
    </message>
    <message>
        <source>設定節點值</source>
        <translation>设置节点值</translation>
    </message>
    <message>
        <source>這棵樹有 %1 個葉節點（節點 %2 到 %3），請依序輸入它們的值，整數 -%4 到 %4，以空白或逗號分隔：</source>
        <translation>这棵树有 %1 个叶节点（节点 %2 到 %3），请依次输入它们的值，整数 -%4 到 %4，以空白或逗号分隔：</translation>
    </message>
    <message>
        <source>這棵樹有 %1 個節點，請依堆積順序輸入每個節點的值，整數 -%2 到 %2，以空白或逗號分隔：</source>
        <translation>这棵树有 %1 个节点，请按堆顺序输入每个节点的值，整数 -%2 到 %2，以空白或逗号分隔：</translation>
    </message>
    <message>
        <source>%1 個值太多，不在這裡列出；留空就不改變。</source>
        <translation>%1 个值太多，不在这里列出；留空就不改变。</translation>
    </message>
    <message numerus="yes">
        <source>輸入了 %n 個值，這棵樹有 %1 個葉節點。要換成有 %n 個葉節點的樹（%2 個節點）嗎？</source>
        <translation>
            <numerusform>输入了 %n 个值，这棵树有 %1 个叶节点。要换成有 %n 个叶节点的树（%2 个节点）吗？</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>輸入了 %n 個值，這棵樹有 %1 個節點。要換成有 %n 個節點的樹嗎？</source>
        <translation>
            <numerusform>输入了 %n 个值，这棵树有 %1 个节点。要换成有 %n 个节点的树吗？</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CZarniApp</name>
    <message>
        <source>設定檔 %1 不是一般的檔案，這次不讀也不寫設定。</source>
        <translation>配置文件 %1 不是一般的文件，这次不读也不写设置。</translation>
    </message>
    <message>
        <source>無法開啟檔案 %1：
%2</source>
        <translation>无法打开文件 %1：
%2</translation>
    </message>
    <message>
        <source>正在匯出動畫...</source>
        <translation>正在导出动画...</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Zarni 腳本 (*.zs);;所有檔案 (*)</source>
        <translation>Zarni 脚本 (*.zs);;所有文件 (*)</translation>
    </message>
    <message>
        <source>執行腳本</source>
        <translation>执行脚本</translation>
    </message>
    <message>
        <source>腳本已停止。</source>
        <translation>脚本已停止。</translation>
    </message>
    <message>
        <source>另存為腳本</source>
        <translation>另存为脚本</translation>
    </message>
    <message>
        <source>無法儲存檔案 %1：
%2</source>
        <translation>无法保存文件 %1：
%2</translation>
    </message>
    <message>
        <source>另一個腳本還在執行：先按 Esc 停止它，再開啟這一課。</source>
        <translation>另一个脚本还在运行：先按 Esc 停止它，再打开这一课。</translation>
    </message>
    <message>
        <source>這棵樹的值太多，一個腳本寫不下。</source>
        <translation>这棵树的值太多，一个脚本写不下。</translation>
    </message>
</context>
<context>
    <name>CZarniView</name>
    <message>
        <source>樹</source>
        <translation>树</translation>
    </message>
</context>
<context>
    <name>Exercise</name>
    <message>
        <source>由下而上建堆積</source>
        <translation>由下而上建堆</translation>
    </message>
    <message>
        <source>逐一插入建堆積</source>
        <translation>逐一插入建堆</translation>
    </message>
    <message>
        <source>堆積排序</source>
        <translation>堆排序</translation>
    </message>
    <message>
        <source>插入一個值</source>
        <translation>插入一个值</translation>
    </message>
    <message>
        <source>取出樹根</source>
        <translation>取出树根</translation>
    </message>
    <message>
        <source>多路合併</source>
        <translation>多路合并</translation>
    </message>
    <message>
        <source>取代選擇</source>
        <translation>置换选择</translation>
    </message>
    <message>
        <source>勝者樹的比賽</source>
        <translation>胜者树的比赛</translation>
    </message>
    <message>
        <source>敗者樹的比賽</source>
        <translation>败者树的比赛</translation>
    </message>
    <message>
        <source>交換</source>
        <translation>交换</translation>
    </message>
    <message>
        <source>比賽</source>
        <translation>比赛</translation>
    </message>
    <message>
        <source>序列</source>
        <translation>序列</translation>
    </message>
    <message>
        <source>不對：現在該交換兩個節點的值。</source>
        <translation>不对：现在该交换两个节点的值。</translation>
    </message>
    <message>
        <source>不對：現在該讓一場比賽的勝者往上。</source>
        <translation>不对：现在该让一场比赛的胜者往上。</translation>
    </message>
    <message>
        <source>不對：現在該決定讀入的值屬於哪個序列（按 1 或 2）。</source>
        <translation>不对：现在该决定读入的值属于哪个序列（按 1 或 2）。</translation>
    </message>
    <message>
        <source>不對：現在不該交換節點 %1 與 %2。</source>
        <translation>不对：现在不该交换节点 %1 与 %2。</translation>
    </message>
    <message>
        <source>不對：讀入的值不屬於序列 %1。</source>
        <translation>不对：读入的值不属于序列 %1。</translation>
    </message>
    <message>
        <source>不對：節點 %1 的比賽還輪不到，先比外框標出的比賽。</source>
        <translation>不对：节点 %1 的比赛还轮不到，先比外框标出的比赛。</translation>
    </message>
    <message>
        <source>不對：節點 %1 的比賽，勝的是另一邊。</source>
        <translation>不对：节点 %1 的比赛，胜的是另一边。</translation>
    </message>
    <message>
        <source>兩邊相等時，右邊的勝。</source>
        <translation>两边相等时，右边的胜。</translation>
    </message>
    <message>
        <source>錯了三次，程式替你做了這一步。</source>
        <translation>错了三次，程序替你做了这一步。</translation>
    </message>
    <message>
        <source>題目：對 %1/%2</source>
        <translation>题目：对 %1/%2</translation>
    </message>
    <message>
        <source>題目結束：看了解答。</source>
        <translation>题目结束：看了解答。</translation>
    </message>
    <message>
        <source>題目結束：%1 個動作，第一次就做對 %2 個，錯了 %3 次，程式代做 %4 個；得分 %5。</source>
        <translation>题目结束：%1 个动作，第一次就做对 %2 个，错了 %3 次，程序代做 %4 个；得分 %5。</translation>
    </message>
    <message>
        <source>錯在：%1</source>
        <translation>错在：%1</translation>
    </message>
    <message>
        <source>、%1</source>
        <translation>、%1</translation>
    </message>
    <message>
        <source>題目「%1」：</source>
        <translation>题目「%1」：</translation>
    </message>
    <message>
        <source>點兩個節點（或把一個值拖到另一個上），交換它們的值。</source>
        <translation>点两个节点（或把一个值拖到另一个上），交换它们的值。</translation>
    </message>
    <message>
        <source>點每場比賽勝的子節點；讀入的值，按 1 或 2 選它的序列。</source>
        <translation>点每场比赛胜的子节点；读入的值，按 1 或 2 选它的序列。</translation>
    </message>
    <message>
        <source>點每場比賽勝的子節點，讓它往上。</source>
        <translation>点每场比赛胜的子节点，让它往上。</translation>
    </message>
    <message>
        <source>新題目</source>
        <translation>新题目</translation>
    </message>
    <message>
        <source>自己的值（空白則依種子隨機出題）：</source>
        <translation>自己的值（空白则依种子随机出题）：</translation>
    </message>
</context>
<context>
    <name>Export</name>
    <message>
        <source>不支援的檔案類型「%1」：請用 .png、.svg 或 .pdf。</source>
        <translation>不支持的文件类型「%1」：请用 .png、.svg 或 .pdf。</translation>
    </message>
    <message>
        <source>畫布 %1 × %2 太大，無法存成 PNG；請改存為 SVG 或 PDF。</source>
        <translation>画布 %1 × %2 太大，无法存成 PNG；请改存为 SVG 或 PDF。</translation>
    </message>
    <message>
        <source>圖片 %1 × %2 太大，無法存成 PNG；請用較小的倍數，或改存為 SVG 或 PDF。</source>
        <translation>图片 %1 × %2 太大，无法存成 PNG；请用较小的倍数，或改存为 SVG 或 PDF。</translation>
    </message>
    <message>
        <source>圖中的細節太多，SVG 檔會超過 %1 MB；請改存為 PDF 或 PNG。</source>
        <translation>图中的细节太多，SVG 文件会超过 %1 MB；请改存为 PDF 或 PNG。</translation>
    </message>
    <message>
        <source>記憶體不足，無法產生 %1 × %2 的圖片。</source>
        <translation>内存不足，无法产生 %1 × %2 的图片。</translation>
    </message>
    <message>
        <source>無法匯出圖片 %1：
%2</source>
        <translation>无法导出图片 %1：
%2</translation>
    </message>
    <message>
        <source>不支援的檔案類型「%1」：請用 .gif、.mp4、.webm、.pdf、.html 或 .zip。</source>
        <translation>不支持的文件类型「%1」：请用 .gif、.mp4、.webm、.pdf、.html 或 .zip。</translation>
    </message>
    <message>
        <source>這個視窗沒有可以匯出的執行過程。</source>
        <translation>这个窗口没有可以导出的执行过程。</translation>
    </message>
    <message>
        <source>步驟必須在這次執行之內，而且開始不能在結束之後。</source>
        <translation>步骤必须在这次执行之内，而且开始不能在结束之后。</translation>
    </message>
    <message>
        <source>畫面太大（每張超過一億像素，或檔案超過 2 GB）；請用較小的倍數或較少的步驟。</source>
        <translation>画面太大（每张超过一亿像素，或文件超过 2 GB）；请用较小的倍数或较少的步骤。</translation>
    </message>
    <message>
        <source>超過 %1 步；請匯出較少的步驟。</source>
        <translation>超过 %1 步；请导出较少的步骤。</translation>
    </message>
    <message>
        <source>已取消。</source>
        <translation>已取消。</translation>
    </message>
    <message>
        <source>無法匯出動畫 %1：
%2</source>
        <translation>无法导出动画 %1：
%2</translation>
    </message>
    <message>
        <source>網頁最多容納 %1 個節點，這棵樹有 %2 個；請匯出較小的樹，或把執行過程匯出成 GIF、影片或 PDF。</source>
        <translation>网页最多容纳 %1 个节点，这棵树有 %2 个；请导出较小的树，或把执行过程导出成 GIF、视频或 PDF。</translation>
    </message>
    <message>
        <source>網頁最多容納 %1 步；請匯出較少的步驟。</source>
        <translation>网页最多容纳 %1 步；请导出较少的步骤。</translation>
    </message>
</context>
<context>
    <name>Heap</name>
    <message>
        <source>節點（1 到 %1）：</source>
        <translation>节点（1 到 %1）：</translation>
    </message>
    <message>
        <source>值（-%1 到 %1）：</source>
        <translation>值（-%1 到 %1）：</translation>
    </message>
    <message>
        <source>插入值</source>
        <translation>插入值</translation>
    </message>
    <message>
        <source>更改節點值</source>
        <translation>更改节点值</translation>
    </message>
    <message>
        <source>刪除節點</source>
        <translation>删除节点</translation>
    </message>
    <message>
        <source>最小堆積：每個節點都不大於它的子節點。</source>
        <translation>最小堆：每个节点都不大于它的子节点。</translation>
    </message>
    <message>
        <source>最大堆積：每個節點都不小於它的子節點。</source>
        <translation>最大堆：每个节点都不小于它的子节点。</translation>
    </message>
    <message>
        <source>不是最小堆積：節點 %1 的值 %2 小於父節點 %3 的值 %4。</source>
        <translation>不是最小堆：节点 %1 的值 %2 小于父节点 %3 的值 %4。</translation>
    </message>
    <message>
        <source>不是最大堆積：節點 %1 的值 %2 大於父節點 %3 的值 %4。</source>
        <translation>不是最大堆：节点 %1 的值 %2 大于父节点 %3 的值 %4。</translation>
    </message>
    <message numerus="yes">
        <source>已取出 %n 個值：%1</source>
        <translation>
            <numerusform>已取出 %n 个值：%1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>HeapAlgorithm</name>
    <message>
        <source>節點 %1 (%2)</source>
        <translation>节点 %1 (%2)</translation>
    </message>
    <message>
        <source>交換後 %1、%2</source>
        <translation>交换后 %1、%2</translation>
    </message>
    <message>
        <source>比較 %1 與 %2</source>
        <translation>比较 %1 与 %2</translation>
    </message>
    <message>
        <source>%1 已排好</source>
        <translation>%1 已排好</translation>
    </message>
    <message>
        <source>%1 加入堆積</source>
        <translation>%1 加入堆</translation>
    </message>
    <message>
        <source>取出樹根的值 %1，堆積空了</source>
        <translation>取出树根的值 %1，堆空了</translation>
    </message>
    <message>
        <source>取出樹根的值 %1，最後一個節點的值移到樹根：%2</source>
        <translation>取出树根的值 %1，最后一个节点的值移到树根：%2</translation>
    </message>
    <message>
        <source>%1 換上新的值</source>
        <translation>%1 换上新的值</translation>
    </message>
    <message>
        <source>刪去節點 1，堆積空了</source>
        <translation>删去节点 1，堆空了</translation>
    </message>
    <message>
        <source>刪去最後一個節點 %1</source>
        <translation>删去最后一个节点 %1</translation>
    </message>
    <message>
        <source>刪去節點 %1，最後一個節點的值移到這裡：%2</source>
        <translation>删去节点 %1，最后一个节点的值移到这里：%2</translation>
    </message>
</context>
<context>
    <name>LoserAlgorithm</name>
    <message>
        <source>節點 0 得到總冠軍 %1</source>
        <translation>节点 0 得到总冠军 %1</translation>
    </message>
    <message>
        <source>節點 %1 只有一個子節點，它那邊的勝者 %2 直接晉級</source>
        <translation>节点 %1 只有一个子节点，它那边的胜者 %2 直接晋级</translation>
    </message>
    <message>
        <source>節點 %1：%2 勝 %3，%3 留在節點 %1，%2 晉級</source>
        <translation>节点 %1：%2 胜 %3，%3 留在节点 %1，%2 晋级</translation>
    </message>
    <message>
        <source>葉節點 %1 的新值 %2 放進節點 0，往上比賽</source>
        <translation>叶节点 %1 的新值 %2 放进节点 0，往上比赛</translation>
    </message>
    <message>
        <source>節點 %1：留下的 %2 勝 往上的 %3，兩者交換，%3 留下，%2 繼續往上</source>
        <translation>节点 %1：留下的 %2 胜 往上的 %3，两者交换，%3 留下，%2 继续往上</translation>
    </message>
    <message>
        <source>節點 %1：往上的 %2 勝 留下的 %3，繼續往上</source>
        <translation>节点 %1：往上的 %2 胜 留下的 %3，继续往上</translation>
    </message>
    <message>
        <source>；節點 0 的 %1 是新的總冠軍</source>
        <translation>；节点 0 的 %1 是新的总冠军</translation>
    </message>
</context>
<context>
    <name>Merge</name>
    <message>
        <source>合併序列</source>
        <translation>合并序列</translation>
    </message>
    <message>
        <source>每行一個序列，值由大到小排列，以空白分隔；整數 -%1 到 %1，%2 到 %3 個序列，每個最多 %4 個值。以 # 開頭的行不算。</source>
        <translation>每行一个序列，值由大到小排列，以空白分隔；整数 -%1 到 %1，%2 到 %3 个序列，每个最多 %4 个值。以 # 开头的行不算。</translation>
    </message>
    <message>
        <source>序列數</source>
        <translation>序列数</translation>
    </message>
    <message>
        <source>每個的長度</source>
        <translation>每个的长度</translation>
    </message>
    <message>
        <source># %1 個隨機序列，每個 %2 個值（太多，不在這裡列出）</source>
        <translation># %1 个随机序列，每个 %2 个值（太多，不在这里列出）</translation>
    </message>
    <message>
        <source>載入序列</source>
        <translation>加载序列</translation>
    </message>
    <message>
        <source># 從 %1 載入的 %2 個序列，共 %3 個值（太多，不在這裡列出）</source>
        <translation># 从 %1 加载的 %2 个序列，共 %3 个值（太多，不在这里列出）</translation>
    </message>
    <message>
        <source>輸出</source>
        <translation>输出</translation>
    </message>
    <message>
        <source>序%1</source>
        <translation>序%1</translation>
    </message>
    <message numerus="yes">
        <source>合併完成：輸出 %n 個值。</source>
        <translation>
            <numerusform>合并完成：输出 %n 个值。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>已輸出 %n 個值，還剩 %1 個。</source>
        <translation>
            <numerusform>已输出 %n 个值，还剩 %1 个。</numerusform>
        </translation>
    </message>
    <message>
        <source>每次輸出平均比較 %1 次。</source>
        <translation>每次输出平均比较 %1 次。</translation>
    </message>
    <message>
        <source>序列 %1</source>
        <translation>序列 %1</translation>
    </message>
</context>
<context>
    <name>MergeAlgorithm</name>
    <message numerus="yes">
        <source>一次輸出剩下的 %n 個值</source>
        <translation>
            <numerusform>一次输出剩下的 %n 个值</numerusform>
        </translation>
    </message>
    <message>
        <source>輸出 %1，它來自序列 %2</source>
        <translation>输出 %1，它来自序列 %2</translation>
    </message>
    <message>
        <source>序列 %1 用完了，葉節點 %2 換上 −∞</source>
        <translation>序列 %1 用完了，叶节点 %2 换上 −∞</translation>
    </message>
    <message>
        <source>葉節點 %1 換上序列 %2 的下一個值 %3</source>
        <translation>叶节点 %1 换上序列 %2 的下一个值 %3</translation>
    </message>
</context>
<context>
    <name>Node</name>
    <message>
        <source>勝者</source>
        <translation>胜者</translation>
    </message>
    <message>
        <source>敗者</source>
        <translation>败者</translation>
    </message>
    <message>
        <source>已排好</source>
        <translation>已排好</translation>
    </message>
    <message>
        <source>留下的敗者</source>
        <translation>留下的败者</translation>
    </message>
    <message>
        <source>奇數序列</source>
        <translation>奇数序列</translation>
    </message>
    <message>
        <source>偶數序列</source>
        <translation>偶数序列</translation>
    </message>
    <message>
        <source>節點 %1：%2</source>
        <translation>节点 %1：%2</translation>
    </message>
    <message>
        <source>空</source>
        <translation>空</translation>
    </message>
    <message>
        <source>，已選取</source>
        <translation>，已选中</translation>
    </message>
    <message>
        <source>，%1</source>
        <translation>，%1</translation>
    </message>
    <message>
        <source>樹根</source>
        <translation>树根</translation>
    </message>
    <message>
        <source>父 %1</source>
        <translation>父 %1</translation>
    </message>
    <message>
        <source>葉節點</source>
        <translation>叶节点</translation>
    </message>
    <message>
        <source>左 %1，沒有右子</source>
        <translation>左 %1，没有右子节点</translation>
    </message>
    <message>
        <source>左 %1，右 %2</source>
        <translation>左 %1，右 %2</translation>
    </message>
    <message>
        <source>第 %1 層</source>
        <translation>第 %1 层</translation>
    </message>
    <message>
        <source>，</source>
        <translation>，</translation>
    </message>
</context>
<context>
    <name>Palette</name>
    <message>
        <source>標準(&amp;S)</source>
        <translation>标准(&amp;S)</translation>
    </message>
    <message>
        <source>色盲友善(&amp;C)</source>
        <translation>色盲友好(&amp;C)</translation>
    </message>
    <message>
        <source>投影機(&amp;P)</source>
        <translation>投影仪(&amp;P)</translation>
    </message>
</context>
<context>
    <name>Practice</name>
    <message>
        <source>、</source>
        <translation>、</translation>
    </message>
    <message>
        <source>%1</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>提示：比較的是節點 %1 與 %2。</source>
        <translation>提示：比较的是节点 %1 与 %2。</translation>
    </message>
    <message>
        <source>剛寫出的值</source>
        <translation>刚写出的值</translation>
    </message>
    <message>
        <source>看虛擬碼第 %1 行。</source>
        <translation>看伪代码第 %1 行。</translation>
    </message>
    <message numerus="yes">
        <source>練習結束：這次問了 %n 題，錯了 %1 題。</source>
        <translation>
            <numerusform>练习结束：这次问了 %n 题，错了 %1 题。</numerusform>
        </translation>
    </message>
    <message>
        <source>錯在：%1。</source>
        <translation>错在：%1。</translation>
    </message>
    <message>
        <source>不對，答案是節點 %1。</source>
        <translation>不对，答案是节点 %1。</translation>
    </message>
    <message>
        <source>不對，不交換。</source>
        <translation>不对，不交换。</translation>
    </message>
    <message>
        <source>練習：節點 %1 的值要和哪個子節點交換？點那個子節點；不交換按 N。</source>
        <translation>练习：节点 %1 的值要和哪个子节点交换？点那个子节点；不交换按 N。</translation>
    </message>
    <message>
        <source>下沉</source>
        <translation>下沉</translation>
    </message>
    <message>
        <source>練習：節點 %1 的值要和父節點交換嗎？交換就點父節點；不交換按 N。</source>
        <translation>练习：节点 %1 的值要和父节点交换吗？交换就点父节点；不交换按 N。</translation>
    </message>
    <message>
        <source>上浮</source>
        <translation>上浮</translation>
    </message>
    <message>
        <source>練習：下一個輸出的值來自哪個序列？點那個序列的葉節點。</source>
        <translation>练习：下一个输出的值来自哪个序列？点那个序列的叶节点。</translation>
    </message>
    <message>
        <source>不對，它來自葉節點 %1 的序列。</source>
        <translation>不对，它来自叶节点 %1 的序列。</translation>
    </message>
    <message>
        <source>合併輸出</source>
        <translation>合并输出</translation>
    </message>
    <message>
        <source>練習：讀入的值屬於目前的序列 %1 還是下一個序列 %2？按 1 或 2。</source>
        <translation>练习：读入的值属于当前的序列 %1 还是下一个序列 %2？按 1 或 2。</translation>
    </message>
    <message>
        <source>不對，它屬於序列 %1。</source>
        <translation>不对，它属于序列 %1。</translation>
    </message>
    <message>
        <source>序列</source>
        <translation>序列</translation>
    </message>
    <message>
        <source>練習：節點 %1 管位置 %2 到 %3，它在 [%4, %5] 之內、部分在內還是之外？按 1 之內，2 部分在內，3 之外。</source>
        <translation>练习：节点 %1 管位置 %2 到 %3，它在 [%4, %5] 之内、部分在内还是之外？按 1 之内，2 部分在内，3 之外。</translation>
    </message>
    <message>
        <source>不對，答案是 %1：%2。</source>
        <translation>不对，答案是 %1：%2。</translation>
    </message>
    <message>
        <source>區間的關係</source>
        <translation>区间的关系</translation>
    </message>
    <message>
        <source>練習：節點 %1，往上的值（節點 0）和留下的值，哪個勝？點勝的方框。</source>
        <translation>练习：节点 %1，往上的值（节点 0）和留下的值，哪个胜？点胜的方框。</translation>
    </message>
    <message>
        <source>不對，往上的值（節點 0）勝。</source>
        <translation>不对，往上的值（节点 0）胜。</translation>
    </message>
    <message>
        <source>敗者樹往上</source>
        <translation>败者树往上</translation>
    </message>
    <message>
        <source>練習：節點 %1 的比賽，哪個子節點那邊勝？點它的方框。</source>
        <translation>练习：节点 %1 的比赛，哪个子节点那边胜？点它的方框。</translation>
    </message>
    <message>
        <source>比賽</source>
        <translation>比赛</translation>
    </message>
</context>
<context>
    <name>Pseudocode</name>
    <message>
        <source>sift-down(i)：若 l = 2i ≤ n 且 value(l) &gt; value(i)，largest ← l，否則 largest ← i</source>
        <translation>sift-down(i)：若 l = 2i ≤ n 且 value(l) &gt; value(i)，largest ← l，否则 largest ← i</translation>
    </message>
    <message>
        <source>sift-down(i)：若 l = 2i ≤ n 且 value(l) &lt; value(i)，smallest ← l，否則 smallest ← i</source>
        <translation>sift-down(i)：若 l = 2i ≤ n 且 value(l) &lt; value(i)，smallest ← l，否则 smallest ← i</translation>
    </message>
    <message>
        <source>若 r = 2i + 1 ≤ n 且 value(r) &gt; value(largest)，largest ← r</source>
        <translation>若 r = 2i + 1 ≤ n 且 value(r) &gt; value(largest)，largest ← r</translation>
    </message>
    <message>
        <source>若 r = 2i + 1 ≤ n 且 value(r) &lt; value(smallest)，smallest ← r</source>
        <translation>若 r = 2i + 1 ≤ n 且 value(r) &lt; value(smallest)，smallest ← r</translation>
    </message>
    <message>
        <source>若 largest ≠ i：交換 value(i) 與 value(largest)；sift-down(largest)</source>
        <translation>若 largest ≠ i：交换 value(i) 与 value(largest)；sift-down(largest)</translation>
    </message>
    <message>
        <source>若 smallest ≠ i：交換 value(i) 與 value(smallest)；sift-down(smallest)</source>
        <translation>若 smallest ≠ i：交换 value(i) 与 value(smallest)；sift-down(smallest)</translation>
    </message>
    <message>
        <source>sift-up(i)：當 i ≥ 2 且 value(i) &gt; value(parent(i))：</source>
        <translation>sift-up(i)：当 i ≥ 2 且 value(i) &gt; value(parent(i))：</translation>
    </message>
    <message>
        <source>sift-up(i)：當 i ≥ 2 且 value(i) &lt; value(parent(i))：</source>
        <translation>sift-up(i)：当 i ≥ 2 且 value(i) &lt; value(parent(i))：</translation>
    </message>
    <message>
        <source>若 i ≥ 2 且 value(i) &gt; value(parent(i))：sift-up(i)，否則 sift-down(i)</source>
        <translation>若 i ≥ 2 且 value(i) &gt; value(parent(i))：sift-up(i)，否则 sift-down(i)</translation>
    </message>
    <message>
        <source>若 i ≥ 2 且 value(i) &lt; value(parent(i))：sift-up(i)，否則 sift-down(i)</source>
        <translation>若 i ≥ 2 且 value(i) &lt; value(parent(i))：sift-up(i)，否则 sift-down(i)</translation>
    </message>
    <message>
        <source>交換 value(i) 與 value(parent(i))；i ← parent(i)</source>
        <translation>交换 value(i) 与 value(parent(i))；i ← parent(i)</translation>
    </message>
    <message>
        <source>對 i ← ⌊n/2⌋ 往下到 1：sift-down(i)</source>
        <translation>对 i ← ⌊n/2⌋ 往下到 1：sift-down(i)</translation>
    </message>
    <message>
        <source>對 i ← 2 到 n：sift-up(i)</source>
        <translation>对 i ← 2 到 n：sift-up(i)</translation>
    </message>
    <message>
        <source>建堆積（對 i ← ⌊n/2⌋ 往下到 1：sift-down(i)）</source>
        <translation>建堆（对 i ← ⌊n/2⌋ 往下到 1：sift-down(i)）</translation>
    </message>
    <message>
        <source>對 e ← n 往下到 2：</source>
        <translation>对 e ← n 往下到 2：</translation>
    </message>
    <message>
        <source>交換 value(1) 與 value(e)；n ← e − 1，節點 e 排好了</source>
        <translation>交换 value(1) 与 value(e)；n ← e − 1，节点 e 排好了</translation>
    </message>
    <message>
        <source>n ← n + 1；value(n) ← 新的值；sift-up(n)</source>
        <translation>n ← n + 1；value(n) ← 新的值；sift-up(n)</translation>
    </message>
    <message>
        <source>輸出 value(1)；value(1) ← value(n)；n ← n − 1；sift-down(1)</source>
        <translation>输出 value(1)；value(1) ← value(n)；n ← n − 1；sift-down(1)</translation>
    </message>
    <message>
        <source>value(i) ← 新的值</source>
        <translation>value(i) ← 新的值</translation>
    </message>
    <message>
        <source>value(i) ← value(n)；n ← n − 1（i = n 時只刪去節點 n）</source>
        <translation>value(i) ← value(n)；n ← n − 1（i = n 时只删去节点 n）</translation>
    </message>
    <message>
        <source>leaf ← 這個值所來自的葉節點；value(leaf) ← 它的序列的下一個值（用完時為 −∞）</source>
        <translation>leaf ← 这个值所来自的叶节点；value(leaf) ← 它的序列的下一个值（用完时为 −∞）</translation>
    </message>
    <message>
        <source>比賽：由下而上，每個內部節點 i：value(i) ← 2i 與 2i + 1 中的勝者</source>
        <translation>比赛：由下而上，每个内部节点 i：value(i) ← 2i 与 2i + 1 中的胜者</translation>
    </message>
    <message>
        <source>當 value(1) 不是 −∞：</source>
        <translation>当 value(1) 不是 −∞：</translation>
    </message>
    <message>
        <source>輸出 value(1)</source>
        <translation>输出 value(1)</translation>
    </message>
    <message>
        <source>比賽：每個內部節點留下敗者，value(0) ← 總冠軍</source>
        <translation>比赛：每个内部节点留下败者，value(0) ← 总冠军</translation>
    </message>
    <message>
        <source>當 value(0) 不是 −∞：</source>
        <translation>当 value(0) 不是 −∞：</translation>
    </message>
    <message>
        <source>輸出 value(0)</source>
        <translation>输出 value(0)</translation>
    </message>
    <message>
        <source>把前 P 個值依序放進葉節點 P 到 2P − 1，都屬於序列 1</source>
        <translation>把前 P 个值依次放进叶节点 P 到 2P − 1，都属于序列 1</translation>
    </message>
    <message>
        <source>比賽：每個內部節點留下勝者（序列小者勝，同序列時值大者勝，空的最後）</source>
        <translation>比赛：每个内部节点留下胜者（序列小者胜，同序列时值大者胜，空的最后）</translation>
    </message>
    <message>
        <source>目前序列 ← 1；當 value(1) 不是空的：</source>
        <translation>当前序列 ← 1；当 value(1) 不是空的：</translation>
    </message>
    <message>
        <source>若勝者屬於下一個序列：目前序列結束，開始下一個序列</source>
        <translation>若胜者属于下一个序列：当前序列结束，开始下一个序列</translation>
    </message>
    <message>
        <source>把勝者的值 w 寫到目前序列</source>
        <translation>把胜者的值 w 写到当前序列</translation>
    </message>
    <message>
        <source>leaf ← 勝者的葉節點；讀入下一個值 x 放進 leaf：x ≤ w 時屬於目前序列，否則屬於下一個；沒有輸入時 leaf 變空</source>
        <translation>leaf ← 胜者的叶节点；读入下一个值 x 放进 leaf：x ≤ w 时属于当前序列，否则属于下一个；没有输入时 leaf 变空</translation>
    </message>
    <message>
        <source>對 i ← parent(leaf) 往上直到樹根：</source>
        <translation>对 i ← parent(leaf) 往上直到树根：</translation>
    </message>
    <message>
        <source>value(i) ← value(2i) 與 value(2i + 1) 中的勝者</source>
        <translation>value(i) ← value(2i) 与 value(2i + 1) 中的胜者</translation>
    </message>
    <message>
        <source>比賽：每個內部節點留下敗者，value(0) ← 勝者（序列小者勝，同序列時值大者勝，空的最後）</source>
        <translation>比赛：每个内部节点留下败者，value(0) ← 胜者（序列小者胜，同序列时值大者胜，空的最后）</translation>
    </message>
    <message>
        <source>目前序列 ← 1；當 value(0) 不是空的：</source>
        <translation>当前序列 ← 1；当 value(0) 不是空的：</translation>
    </message>
    <message>
        <source>leaf ← 勝者的葉節點；讀入下一個值 x 放進 leaf 與節點 0：x ≤ w 時屬於目前序列，否則屬於下一個；沒有輸入時 leaf 變空</source>
        <translation>leaf ← 胜者的叶节点；读入下一个值 x 放进 leaf 与节点 0：x ≤ w 时属于当前序列，否则属于下一个；没有输入时 leaf 变空</translation>
    </message>
    <message>
        <source>若 value(i) 勝 value(0)：交換 value(i) 與 value(0)</source>
        <translation>若 value(i) 胜 value(0)：交换 value(i) 与 value(0)</translation>
    </message>
    <message>
        <source>對冠軍從葉節點往上經過的每個節點 v：候選 ← v 的兄弟（冠軍在那裡勝過它）</source>
        <translation>对冠军从叶节点往上经过的每个节点 v：候选 ← v 的兄弟（冠军在那里胜过它）</translation>
    </message>
    <message>
        <source>second ← 最下面的候選</source>
        <translation>second ← 最下面的候选</translation>
    </message>
    <message>
        <source>對其餘每個候選 c，由下往上：若 value(c) &gt; value(second)：second ← c</source>
        <translation>对其余每个候选 c，由下往上：若 value(c) &gt; value(second)：second ← c</translation>
    </message>
    <message>
        <source>第二名 ← value(second)</source>
        <translation>第二名 ← value(second)</translation>
    </message>
    <message>
        <source>value(i) ← %1</source>
        <translation>value(i) ← %1</translation>
    </message>
    <message>
        <source>否則（部分在內）：push-down(i)：tag(i) 加給兩個子節點，tag(i) ← 0</source>
        <translation>否则（部分在内）：push-down(i)：tag(i) 加给两个子节点，tag(i) ← 0</translation>
    </message>
    <message>
        <source>對每個位置 p：value(m + p) ← A[p]（p ≥ n 的葉節點是空的 e）</source>
        <translation>对每个位置 p：value(m + p) ← A[p]（p ≥ n 的叶节点是空的 e）</translation>
    </message>
    <message>
        <source>由下而上逐層、每層由左而右，對每個內部節點 i：</source>
        <translation>由下而上逐层、每层由左而右，对每个内部节点 i：</translation>
    </message>
    <message>
        <source>set(p, v)：從樹根往下到葉節點 m + p，路上有標記的節點 push-down</source>
        <translation>set(p, v)：从树根往下到叶节点 m + p，路上有标记的节点 push-down</translation>
    </message>
    <message>
        <source>value(m + p) ← v</source>
        <translation>value(m + p) ← v</translation>
    </message>
    <message>
        <source>對 i ← ⌊(m + p)/2⌋ 往上到 1：</source>
        <translation>对 i ← ⌊(m + p)/2⌋ 往上到 1：</translation>
    </message>
    <message>
        <source>query(i, [a, b])：若 [a, b] 與 [L, R] 不相交：回傳 e</source>
        <translation>query(i, [a, b])：若 [a, b] 与 [L, R] 不相交：返回 e</translation>
    </message>
    <message>
        <source>若 L ≤ a 且 b ≤ R：回傳 value(i)（整段取用）</source>
        <translation>若 L ≤ a 且 b ≤ R：返回 value(i)（整段取用）</translation>
    </message>
    <message>
        <source>回傳 query(2i, [a, mid]) ⊕ query(2i + 1, [mid + 1, b])</source>
        <translation>返回 query(2i, [a, mid]) ⊕ query(2i + 1, [mid + 1, b])</translation>
    </message>
    <message>
        <source>結果 ← query(1, [0, m − 1])</source>
        <translation>结果 ← query(1, [0, m − 1])</translation>
    </message>
    <message>
        <source>add(i, [a, b], v)：若 [a, b] 與 [L, R] 不相交：返回</source>
        <translation>add(i, [a, b], v)：若 [a, b] 与 [L, R] 不相交：返回</translation>
    </message>
    <message>
        <source>若 L ≤ a 且 b ≤ R：value(i) += v × 長度；不是葉節點就 tag(i) += v；返回</source>
        <translation>若 L ≤ a 且 b ≤ R：value(i) += v × 长度；不是叶节点就 tag(i) += v；返回</translation>
    </message>
    <message>
        <source>若 L ≤ a 且 b ≤ R：value(i) += v；不是葉節點就 tag(i) += v；返回</source>
        <translation>若 L ≤ a 且 b ≤ R：value(i) += v；不是叶节点就 tag(i) += v；返回</translation>
    </message>
    <message>
        <source>add(2i, [a, mid], v)；add(2i + 1, [mid + 1, b], v)；value(i) ← value(2i) ⊕ value(2i + 1)</source>
        <translation>add(2i, [a, mid], v)；add(2i + 1, [mid + 1, b], v)；value(i) ← value(2i) ⊕ value(2i + 1)</translation>
    </message>
    <message>
        <source>對 i ← parent(leaf) 往上直到樹根（略過只有一個子節點的 i）：</source>
        <translation>对 i ← parent(leaf) 往上直到树根（略过只有一个子节点的 i）：</translation>
    </message>
    <message>
        <source>若 value(i) 勝 value(0)（相等時右邊子樹來的勝）：</source>
        <translation>若 value(i) 胜 value(0)（相等时右边子树来的胜）：</translation>
    </message>
    <message>
        <source>交換 value(i) 與 value(0)：敗者留在 i，勝者繼續往上</source>
        <translation>交换 value(i) 与 value(0)：败者留在 i，胜者继续往上</translation>
    </message>
    <message>
        <source>value(0) ← value(leaf)</source>
        <translation>value(0) ← value(leaf)</translation>
    </message>
    <message>
        <source>對每一層，由 depth − 1 往上到 1：</source>
        <translation>对每一层，由 depth − 1 往上到 1：</translation>
    </message>
    <message>
        <source>對該層每個有子節點的節點 i，由左到右：</source>
        <translation>对该层每个有子节点的节点 i，由左到右：</translation>
    </message>
    <message>
        <source>a ← winner(2i)，b ← winner(2i + 1)（葉節點的 winner 是它的值）</source>
        <translation>a ← winner(2i)，b ← winner(2i + 1)（叶节点的 winner 是它的值）</translation>
    </message>
    <message>
        <source>winner(i) ← a 與 b 中較大者（相等時取 b）；value(i) ← 另一個，即敗者</source>
        <translation>winner(i) ← a 与 b 中较大者（相等时取 b）；value(i) ← 另一个，即败者</translation>
    </message>
    <message>
        <source>否則 winner(i) ← winner(2i)；value(i) ← 空</source>
        <translation>否则 winner(i) ← winner(2i)；value(i) ← 空</translation>
    </message>
    <message>
        <source>value(0) ← winner(1)，總冠軍</source>
        <translation>value(0) ← winner(1)，总冠军</translation>
    </message>
    <message>
        <source>value(0) ← value(leaf)（leaf 是上一個總冠軍的葉節點）</source>
        <translation>value(0) ← value(leaf)（leaf 是上一个总冠军的叶节点）</translation>
    </message>
    <message>
        <source>若 i 有兩個子節點</source>
        <translation>若 i 有两个子节点</translation>
    </message>
    <message>
        <source>w ← 2i 與 2i + 1 中值較大者（相等時取 2i + 1）</source>
        <translation>w ← 2i 与 2i + 1 中值较大者（相等时取 2i + 1）</translation>
    </message>
    <message>
        <source>否則 w ← 2i</source>
        <translation>否则 w ← 2i</translation>
    </message>
    <message>
        <source>value(i) ← value(w)；w 勝，它的兄弟敗</source>
        <translation>value(i) ← value(w)；w 胜，它的兄弟败</translation>
    </message>
    <message>
        <source>value(leaf) ← 新的值</source>
        <translation>value(leaf) ← 新的值</translation>
    </message>
</context>
<context>
    <name>QMdiSubWindow</name>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Close</translation>
    </message>
</context>
<context>
    <name>Replacement</name>
    <message>
        <source>置換選擇</source>
        <translation>置换选择</translation>
    </message>
    <message>
        <source>要切成序列的值，以空白或換行分隔；整數 -%1 到 %1，最多 %2 個。以 # 開頭的行不算。</source>
        <translation>要切成序列的值，以空白或换行分隔；整数 -%1 到 %1，最多 %2 个。以 # 开头的行不算。</translation>
    </message>
    <message>
        <source>記憶體可放的紀錄數 P（%1 到 %2）：</source>
        <translation>内存可放的记录数 P（%1 到 %2）：</translation>
    </message>
    <message>
        <source>個數</source>
        <translation>个数</translation>
    </message>
    <message>
        <source># %1 個隨機值（太多，不在這裡列出）</source>
        <translation># %1 个随机值（太多，不在这里列出）</translation>
    </message>
    <message>
        <source>載入輸入</source>
        <translation>加载输入</translation>
    </message>
    <message>
        <source># 從 %1 載入的 %2 個值（太多，不在這裡列出）</source>
        <translation># 从 %1 加载的 %2 个值（太多，不在这里列出）</translation>
    </message>
    <message>
        <source>待讀入</source>
        <translation>待读入</translation>
    </message>
    <message>
        <source>置換選擇：已讀入 %1/%2 個值，寫出 %3 個；%4 個序列，平均長度 %5（P = %6，隨機輸入理論上約 2P = %7）</source>
        <translation>置换选择：已读入 %1/%2 个值，写出 %3 个；%4 个序列，平均长度 %5（P = %6，随机输入理论上约 2P = %7）</translation>
    </message>
    <message>
        <source>序列 %1</source>
        <translation>序列 %1</translation>
    </message>
</context>
<context>
    <name>ReplacementAlgorithm</name>
    <message>
        <source>空</source>
        <translation>空</translation>
    </message>
    <message>
        <source>%1（序列 %2）</source>
        <translation>%1（序列 %2）</translation>
    </message>
    <message>
        <source>讀入 %1 放進葉節點 %2（序列 1）</source>
        <translation>读入 %1 放进叶节点 %2（序列 1）</translation>
    </message>
    <message numerus="yes">
        <source>序列 %1 結束，共 %n 個值；開始序列 %2</source>
        <translation>
            <numerusform>序列 %1 结束，共 %n 个值；开始序列 %2</numerusform>
        </translation>
    </message>
    <message>
        <source>把 %1 寫到序列 %2</source>
        <translation>把 %1 写到序列 %2</translation>
    </message>
    <message>
        <source>輸入已讀完，葉節點 %1 變空</source>
        <translation>输入已读完，叶节点 %1 变空</translation>
    </message>
    <message>
        <source>讀入 %1，不大於剛寫出的 %2，屬於目前的序列 %3，放進葉節點 %4</source>
        <translation>读入 %1，不大于刚写出的 %2，属于当前的序列 %3，放进叶节点 %4</translation>
    </message>
    <message>
        <source>讀入 %1，大於剛寫出的 %2，留給下一個序列 %3，放進葉節點 %4</source>
        <translation>读入 %1，大于刚写出的 %2，留给下一个序列 %3，放进叶节点 %4</translation>
    </message>
    <message>
        <source>節點 0 得到勝者 %1</source>
        <translation>节点 0 得到胜者 %1</translation>
    </message>
    <message>
        <source>節點 %1：勝者是 %2</source>
        <translation>节点 %1：胜者是 %2</translation>
    </message>
    <message>
        <source>節點 %1 留下敗者 %2</source>
        <translation>节点 %1 留下败者 %2</translation>
    </message>
    <message>
        <source>節點 %1：留下的 %2 勝 往上的 %3，兩者交換</source>
        <translation>节点 %1：留下的 %2 胜 往上的 %3，两者交换</translation>
    </message>
    <message>
        <source>節點 %1：往上的 %2 勝 留下的 %3</source>
        <translation>节点 %1：往上的 %2 胜 留下的 %3</translation>
    </message>
</context>
<context>
    <name>RunAlgorithm</name>
    <message>
        <source>第 %1/%2 步：</source>
        <translation>第 %1/%2 步：</translation>
    </message>
</context>
<context>
    <name>SecondBestAlgorithm</name>
    <message numerus="yes">
        <source>比賽比了 %n 次；</source>
        <translation>
            <numerusform>比赛比了 %n 次；</numerusform>
        </translation>
    </message>
    <message>
        <source>節點 %1 (%2) 在節點 %3 輸給冠軍 %4，是第二名的候選</source>
        <translation>节点 %1 (%2) 在节点 %3 输给冠军 %4，是第二名的候选</translation>
    </message>
    <message>
        <source>節點 %1 (%2) 大於目前的候選節點 %3 (%4)，換成它</source>
        <translation>节点 %1 (%2) 大于当前的候选节点 %3 (%4)，换成它</translation>
    </message>
    <message>
        <source>節點 %1 (%2) 沒有大於目前的候選節點 %3 (%4)</source>
        <translation>节点 %1 (%2) 没有大于当前的候选节点 %3 (%4)</translation>
    </message>
    <message numerus="yes">
        <source>第二名是節點 %1 的 %2；共比較 %n 次</source>
        <translation>
            <numerusform>第二名是节点 %1 的 %2；共比较 %n 次</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Segment</name>
    <message>
        <source>位置 p（0 到 %1）：</source>
        <translation>位置 p（0 到 %1）：</translation>
    </message>
    <message>
        <source>起點 L（0 到 %1）：</source>
        <translation>起点 L（0 到 %1）：</translation>
    </message>
    <message>
        <source>值（-%1 到 %1）：</source>
        <translation>值（-%1 到 %1）：</translation>
    </message>
    <message>
        <source>終點 R：</source>
        <translation>终点 R：</translation>
    </message>
    <message>
        <source>加上的值 v（-%1 到 %1）：</source>
        <translation>加上的值 v（-%1 到 %1）：</translation>
    </message>
    <message>
        <source>建立區間樹</source>
        <translation>创建线段树</translation>
    </message>
    <message>
        <source>陣列的值，以空白或換行分隔；整數 -%1 到 %1，1 到 %2 個。以 # 開頭的行不算。</source>
        <translation>数组的值，以空白或换行分隔；整数 -%1 到 %1，1 到 %2 个。以 # 开头的行不算。</translation>
    </message>
    <message>
        <source>個數</source>
        <translation>个数</translation>
    </message>
    <message>
        <source># %1 個隨機值（太多，不在這裡列出）</source>
        <translation># %1 个随机值（太多，不在这里列出）</translation>
    </message>
    <message>
        <source>載入陣列</source>
        <translation>加载数组</translation>
    </message>
    <message>
        <source># 從 %1 載入的 %2 個值（太多，不在這裡列出）</source>
        <translation># 从 %1 加载的 %2 个值（太多，不在这里列出）</translation>
    </message>
    <message>
        <source>設定位置的值</source>
        <translation>设置位置的值</translation>
    </message>
    <message>
        <source>區間查詢</source>
        <translation>区间查询</translation>
    </message>
    <message>
        <source>區間加值</source>
        <translation>区间加值</translation>
    </message>
    <message>
        <source>位置</source>
        <translation>位置</translation>
    </message>
</context>
<context>
    <name>SegmentAlgorithm</name>
    <message>
        <source>之內</source>
        <translation>之内</translation>
    </message>
    <message>
        <source>部分在內</source>
        <translation>部分在内</translation>
    </message>
    <message>
        <source>之外</source>
        <translation>之外</translation>
    </message>
    <message>
        <source>葉節點 %1 放位置 %2 的值 %3</source>
        <translation>叶节点 %1 放位置 %2 的值 %3</translation>
    </message>
    <message>
        <source>葉節點 %1 沒有位置（%2 ≥ n），是空的 e</source>
        <translation>叶节点 %1 没有位置（%2 ≥ n），是空的 e</translation>
    </message>
    <message>
        <source>節點 %1 管位置 %2 到 %3：%4</source>
        <translation>节点 %1 管位置 %2 到 %3：%4</translation>
    </message>
    <message>
        <source>節點 %1 在往下的路上，先把標記 %2 推給子節點 %3 和 %4</source>
        <translation>节点 %1 在往下的路上，先把标记 %2 推给子节点 %3 和 %4</translation>
    </message>
    <message>
        <source>位置 %1 在葉節點 %2，值改成 %3</source>
        <translation>位置 %1 在叶节点 %2，值改成 %3</translation>
    </message>
    <message>
        <source>節點 %1 重新算：%2</source>
        <translation>节点 %1 重新算：%2</translation>
    </message>
    <message numerus="yes">
        <source>查詢 [%1, %2] 的結果是 %3；走過 %n 個節點，取用 %4 個</source>
        <translation>
            <numerusform>查询 [%1, %2] 的结果是 %3；走过 %n 个节点，取用 %4 个</numerusform>
        </translation>
    </message>
    <message>
        <source>節點 %1 合併兩個子節點的結果：%2</source>
        <translation>节点 %1 合并两个子节点的结果：%2</translation>
    </message>
    <message>
        <source>節點 %1 管位置 %2 到 %3，在 [%4, %5] 之外：回傳 e，不取</source>
        <translation>节点 %1 管位置 %2 到 %3，在 [%4, %5] 之外：返回 e，不取</translation>
    </message>
    <message>
        <source>節點 %1 管位置 %2 到 %3，在 [%4, %5] 之外：不變</source>
        <translation>节点 %1 管位置 %2 到 %3，在 [%4, %5] 之外：不变</translation>
    </message>
    <message>
        <source>節點 %1 管位置 %2 到 %3，在 [%4, %5] 之內：整段取用它的值 %6</source>
        <translation>节点 %1 管位置 %2 到 %3，在 [%4, %5] 之内：整段取用它的值 %6</translation>
    </message>
    <message>
        <source>節點 %1 管位置 %2 到 %3，在 [%4, %5] 之內：值變成 %6</source>
        <translation>节点 %1 管位置 %2 到 %3，在 [%4, %5] 之内：值变成 %6</translation>
    </message>
    <message>
        <source>節點 %1 管位置 %2 到 %3，在 [%4, %5] 之內：值變成 %6，標記 %7 留給子節點</source>
        <translation>节点 %1 管位置 %2 到 %3，在 [%4, %5] 之内：值变成 %6，标记 %7 留给子节点</translation>
    </message>
    <message>
        <source>節點 %1 管位置 %2 到 %3，部分在 [%4, %5] 內：先把標記 %6 推給子節點，再問兩個子節點</source>
        <translation>节点 %1 管位置 %2 到 %3，部分在 [%4, %5] 内：先把标记 %6 推给子节点，再问两个子节点</translation>
    </message>
    <message>
        <source>節點 %1 管位置 %2 到 %3，部分在 [%4, %5] 內：沒有標記要推，問兩個子節點</source>
        <translation>节点 %1 管位置 %2 到 %3，部分在 [%4, %5] 内：没有标记要推，问两个子节点</translation>
    </message>
</context>
<context>
    <name>StandardStrings</name>
    <message>
        <source>Zarni</source>
        <translation>Zarni</translation>
    </message>
    <message>
        <source>就緒</source>
        <translation>就绪</translation>
    </message>
    <message>
        <source>EXT</source>
        <translation>EXT</translation>
    </message>
    <message>
        <source>CAP</source>
        <translation>CAP</translation>
    </message>
    <message>
        <source>NUM</source>
        <translation>NUM</translation>
    </message>
    <message>
        <source>SCRL</source>
        <translation>SCRL</translation>
    </message>
    <message>
        <source>OVR</source>
        <translation>OVR</translation>
    </message>
    <message>
        <source>REC</source>
        <translation>REC</translation>
    </message>
    <message>
        <source>產生一新文件
開啟新檔</source>
        <translation>新建一个文档
新建</translation>
    </message>
    <message>
        <source>開啟一舊文件
開啟舊檔</source>
        <translation>打开一个已有的文档
打开</translation>
    </message>
    <message>
        <source>關閉目前的文件
關閉</source>
        <translation>关闭当前的文档
关闭</translation>
    </message>
    <message>
        <source>儲存目前的文件
儲存檔案</source>
        <translation>保存当前的文档
保存文件</translation>
    </message>
    <message>
        <source>以新的名稱儲存目前的文件
另存新檔</source>
        <translation>以新的名称保存当前的文档
另存为</translation>
    </message>
    <message>
        <source>變更印表機及列印選項
列印設定</source>
        <translation>更改打印机及打印选项
打印设置</translation>
    </message>
    <message>
        <source>列印目前的文件
列印</source>
        <translation>打印当前的文档
打印</translation>
    </message>
    <message>
        <source>以目前的設定列印目前的文件
快速列印</source>
        <translation>以当前的设置打印当前的文档
快速打印</translation>
    </message>
    <message>
        <source>顯示整頁
預覽列印</source>
        <translation>显示整页
打印预览</translation>
    </message>
    <message>
        <source>顯示程式的資訊， 版本及版權
關於</source>
        <translation>显示程序的信息、版本及版权
关于</translation>
    </message>
    <message>
        <source>結束應用程式並提示儲存檔案
結束</source>
        <translation>退出应用程序并提示保存文件
退出</translation>
    </message>
    <message>
        <source>開啟這個文件</source>
        <translation>打开这个文档</translation>
    </message>
    <message>
        <source>切換到下一個窗格
下一窗格</source>
        <translation>切换到下一个窗格
下一窗格</translation>
    </message>
    <message>
        <source>切換回前一個窗格
前一窗格</source>
        <translation>切换回前一个窗格
前一窗格</translation>
    </message>
    <message>
        <source>為目前的文件開啟另一個視窗
新增視窗</source>
        <translation>为当前的文档打开另一个窗口
新建窗口</translation>
    </message>
    <message>
        <source>排列視窗底部的圖示
排列圖示</source>
        <translation>排列窗口底部的图标
排列图标</translation>
    </message>
    <message>
        <source>重疊排列視窗
重疊視窗</source>
        <translation>层叠排列窗口
层叠窗口</translation>
    </message>
    <message>
        <source>並排排列視窗
並排視窗</source>
        <translation>并排排列窗口
并排窗口</translation>
    </message>
    <message>
        <source>將使用中的視窗分割成窗格
分割</source>
        <translation>将活动窗口拆分成窗格
拆分</translation>
    </message>
    <message>
        <source>複製選取範圍並放到剪貼簿
複製</source>
        <translation>复制选中范围并放到剪贴板
复制</translation>
    </message>
    <message>
        <source>剪下選取範圍並放到剪貼簿
剪下</source>
        <translation>剪切选中范围并放到剪贴板
剪切</translation>
    </message>
    <message>
        <source>插入剪貼簿的內容
貼上</source>
        <translation>插入剪贴板的内容
粘贴</translation>
    </message>
    <message>
        <source>復原上一個動作
復原</source>
        <translation>撤销上一个动作
撤销</translation>
    </message>
    <message>
        <source>隱藏或顯示工具列
切換工具列</source>
        <translation>隐藏或显示工具栏
切换工具栏</translation>
    </message>
    <message>
        <source>隱藏或顯示狀態列
切換狀態列</source>
        <translation>隐藏或显示状态栏
切换状态栏</translation>
    </message>
    <message>
        <source>變更視窗大小</source>
        <translation>更改窗口大小</translation>
    </message>
    <message>
        <source>變更視窗位置</source>
        <translation>更改窗口位置</translation>
    </message>
    <message>
        <source>將視窗縮成圖示</source>
        <translation>将窗口缩成图标</translation>
    </message>
    <message>
        <source>將視窗放到最大</source>
        <translation>将窗口放到最大</translation>
    </message>
    <message>
        <source>切換到下一個文件視窗</source>
        <translation>切换到下一个文档窗口</translation>
    </message>
    <message>
        <source>切換到前一個文件視窗</source>
        <translation>切换到前一个文档窗口</translation>
    </message>
    <message>
        <source>關閉使用中的視窗並提示儲存文件</source>
        <translation>关闭活动窗口并提示保存文档</translation>
    </message>
    <message>
        <source>將視窗還原成正常大小</source>
        <translation>将窗口还原成正常大小</translation>
    </message>
    <message>
        <source>啟動工作清單</source>
        <translation>切换到任务列表</translation>
    </message>
    <message>
        <source>啟動這個視窗</source>
        <translation>启动这个窗口</translation>
    </message>
    <message>
        <source>關閉預覽列印模式
取消預覽</source>
        <translation>关闭打印预览模式
取消预览</translation>
    </message>
</context>
<context>
    <name>Strings</name>
    <message>
        <source>依堆積順序設定每個節點的值
設定節點值</source>
        <translation>按堆顺序设置每个节点的值
设置节点值</translation>
    </message>
    <message>
        <source>之後的堆積操作維持最大堆積：父節點的值不小於子節點
最大堆積</source>
        <translation>之后的堆操作维持最大堆：父节点的值不小于子节点
最大堆</translation>
    </message>
    <message>
        <source>之後的堆積操作維持最小堆積：父節點的值不大於子節點
最小堆積</source>
        <translation>之后的堆操作维持最小堆：父节点的值不大于子节点
最小堆</translation>
    </message>
    <message>
        <source>由下而上建堆積：從 ⌊N/2⌋ 到 1 逐一下沉
由下而上建堆積</source>
        <translation>由下而上建堆：从 ⌊N/2⌋ 到 1 逐一下沉
由下而上建堆</translation>
    </message>
    <message>
        <source>逐一插入建堆積：節點 2 到 N 逐一上浮
逐一插入建堆積</source>
        <translation>逐一插入建堆：节点 2 到 N 逐一上浮
逐一插入建堆</translation>
    </message>
    <message>
        <source>堆積排序：建堆積後，逐一把樹根換到最後
堆積排序</source>
        <translation>堆排序：建堆后，逐一把树根换到最后
堆排序</translation>
    </message>
    <message>
        <source>在最後加一個節點放入新的值，再讓它上浮
插入值</source>
        <translation>在最后加一个节点放入新的值，再让它上浮
插入值</translation>
    </message>
    <message>
        <source>輸出樹根的值，把最後一個節點的值移到樹根，再讓它下沉
取出樹根</source>
        <translation>输出树根的值，把最后一个节点的值移到树根，再让它下沉
取出树根</translation>
    </message>
    <message>
        <source>給一個節點新的值，再讓它上浮或下沉
更改節點值</source>
        <translation>给一个节点新的值，再让它上浮或下沉
更改节点值</translation>
    </message>
    <message>
        <source>刪除一個節點：最後一個節點的值移過來，再讓它上浮或下沉
刪除節點</source>
        <translation>删除一个节点：最后一个节点的值移过来，再让它上浮或下沉
删除节点</translation>
    </message>
    <message>
        <source>用勝者樹合併幾個由大到小排好的序列
合併序列</source>
        <translation>用胜者树合并几个由大到小排好的序列
合并序列</translation>
    </message>
    <message>
        <source>把樹根的值寫到輸出，再重賽它葉節點的路徑
輸出勝者</source>
        <translation>把树根的值写到输出，再重赛它叶节点的路径
输出胜者</translation>
    </message>
    <message>
        <source>一次輸出剩下的所有值
全部輸出</source>
        <translation>一次输出剩下的所有值
全部输出</translation>
    </message>
    <message>
        <source>用選擇樹把一串值切成由大到小排好的序列（置換選擇）
置換選擇</source>
        <translation>用选择树把一串值切成由大到小排好的序列（置换选择）
置换选择</translation>
    </message>
    <message>
        <source>把置換選擇產生的序列合併成一個排好的序列
合併這些序列</source>
        <translation>把置换选择产生的序列合并成一个排好的序列
合并这些序列</translation>
    </message>
    <message>
        <source>在冠軍一路勝過的值中找出第二名
找第二名</source>
        <translation>在冠军一路胜过的值中找出第二名
找第二名</translation>
    </message>
    <message>
        <source>在一個陣列上由下而上建立區間樹
建立區間樹</source>
        <translation>在一个数组上由下而上创建线段树
创建线段树</translation>
    </message>
    <message>
        <source>之後建立的區間樹，每個節點存它那段的總和
區間和</source>
        <translation>之后创建的线段树，每个节点存它那段的总和
区间和</translation>
    </message>
    <message>
        <source>之後建立的區間樹，每個節點存它那段的最小值
區間最小值</source>
        <translation>之后创建的线段树，每个节点存它那段的最小值
区间最小值</translation>
    </message>
    <message>
        <source>之後建立的區間樹，每個節點存它那段的最大值
區間最大值</source>
        <translation>之后创建的线段树，每个节点存它那段的最大值
区间最大值</translation>
    </message>
    <message>
        <source>給陣列的一個位置新的值，再由下而上重算路上的節點
設定位置的值</source>
        <translation>给数组的一个位置新的值，再由下而上重算路上的节点
设置位置的值</translation>
    </message>
    <message>
        <source>從樹根往下遞迴，查詢位置 L 到 R 的結果
區間查詢</source>
        <translation>从树根往下递归，查询位置 L 到 R 的结果
区间查询</translation>
    </message>
    <message>
        <source>把位置 L 到 R 都加上一個值，用延遲標記
區間加值</source>
        <translation>把位置 L 到 R 都加上一个值，用延迟标记
区间加值</translation>
    </message>
    <message>
        <source>自己設定每個葉節點的值
設定葉節點</source>
        <translation>自己设置每个叶节点的值
设置叶节点</translation>
    </message>
    <message>
        <source>每個節點顯示它那場比賽的勝者
勝者樹</source>
        <translation>每个节点显示它那场比赛的胜者
胜者树</translation>
    </message>
    <message>
        <source>每個節點顯示它那場比賽的敗者，總冠軍在樹根上方的節點 0
敗者樹</source>
        <translation>每个节点显示它那场比赛的败者，总冠军在树根上方的节点 0
败者树</translation>
    </message>
    <message>
        <source>出一題新的練習：你自己做演算法的每一步，每一步都對照標準答案評分
新題目</source>
        <translation>出一题新的练习：你自己做算法的每一步，每一步都对照标准答案评分
新题目</translation>
    </message>
    <message>
        <source>結束這一題並看分數
交卷</source>
        <translation>结束这一题并看分数
交卷</translation>
    </message>
    <message>
        <source>從題目的開頭播放標準答案（這一題就此結束）
看解答</source>
        <translation>从题目的开头播放标准答案（这一题就此结束）
看解答</translation>
    </message>
    <message>
        <source>每個動作照做不評分，可以復原，交卷時才評分
交卷時才評分</source>
        <translation>每个动作照做不评分，可以撤销，交卷时才评分
交卷时才评分</translation>
    </message>
    <message>
        <source>以繁體中文顯示
繁體中文</source>
        <translation>以繁体中文显示
繁体中文</translation>
    </message>
    <message>
        <source>以簡體中文顯示
簡體中文</source>
        <translation>以简体中文显示
简体中文</translation>
    </message>
    <message>
        <source>以英文顯示
English</source>
        <translation>以英文显示
English</translation>
    </message>
    <message>
        <source>Zarni</source>
        <translation>Zarni</translation>
    </message>
    <message>
        <source>
Zarni
Zarni


Zarni.Document
Zarni Document</source>
        <translation>
Zarni
Zarni


Zarni.Document
Zarni Document</translation>
    </message>
    <message>
        <source>n * n</source>
        <translation>n * n</translation>
    </message>
    <message>
        <source>toolbar中的combo</source>
        <translation>工具栏中的组合框</translation>
    </message>
    <message>
        <source>縮小</source>
        <translation>缩小</translation>
    </message>
    <message>
        <source>放大</source>
        <translation>放大</translation>
    </message>
    <message>
        <source>放大X軸</source>
        <translation>放大X轴</translation>
    </message>
    <message>
        <source>放大Y軸</source>
        <translation>放大Y轴</translation>
    </message>
    <message>
        <source>縮小X軸</source>
        <translation>缩小X轴</translation>
    </message>
    <message>
        <source>縮小Y軸</source>
        <translation>缩小Y轴</translation>
    </message>
    <message>
        <source>增加node</source>
        <translation>增加节点</translation>
    </message>
    <message>
        <source>減少node</source>
        <translation>减少节点</translation>
    </message>
    <message>
        <source>暫停或繼續播放
暫停</source>
        <translation>暂停或继续播放
暂停</translation>
    </message>
    <message>
        <source>往前一步
下一步</source>
        <translation>往前一步
下一步</translation>
    </message>
    <message>
        <source>退回一步
上一步</source>
        <translation>退回一步
上一步</translation>
    </message>
    <message>
        <source>回到這次執行開始之前
從頭開始</source>
        <translation>回到这次执行开始之前
从头开始</translation>
    </message>
    <message>
        <source>一次播完這次執行剩下的步驟
直接看結果</source>
        <translation>一次播完这次执行剩下的步骤
直接看结果</translation>
    </message>
    <message>
        <source>顯示或隱藏樹的陣列
陣列</source>
        <translation>显示或隐藏树的数组
数组</translation>
    </message>
    <message>
        <source>把執行過程存成動畫 GIF，或每一步一頁的 PDF
匯出動畫</source>
        <translation>把执行过程存成动画 GIF，或每一步一页的 PDF
导出动画</translation>
    </message>
    <message>
        <source>每個決定下一步的地方先停下來，讓你自己決定
練習模式</source>
        <translation>每个决定下一步的地方先停下来，让你自己决定
练习模式</translation>
    </message>
    <message>
        <source>指出這一題比較的是哪些節點，不算錯
提示</source>
        <translation>指出这一题比较的是哪些节点，不算错
提示</translation>
    </message>
    <message>
        <source>顯示或隱藏執行中演算法的虛擬碼、說明與計數
程式碼</source>
        <translation>显示或隐藏执行中算法的伪代码、说明与计数
代码</translation>
    </message>
    <message>
        <source>捲到某個節點並選取它
跳至節點</source>
        <translation>滚动到某个节点并选中它
跳至节点</translation>
    </message>
    <message>
        <source>主視窗佔滿整個螢幕，或回到原來大小
全螢幕</source>
        <translation>主窗口占满整个屏幕，或回到原来大小
全屏</translation>
    </message>
    <message>
        <source>全螢幕上課：翻頁鍵走下一步或上一步，B 鍵讓畫面變黑
簡報模式</source>
        <translation>全屏上课：翻页键走下一步或上一步，B 键让画面变黑
演示模式</translation>
    </message>
    <message>
        <source>在目前的程式中執行一個腳本檔
執行腳本</source>
        <translation>在当前的程序中执行一个脚本文件
执行脚本</translation>
    </message>
    <message>
        <source>把目前的視窗存成能重建它的腳本
另存為腳本</source>
        <translation>把当前的窗口存成能重建它的脚本
另存为脚本</translation>
    </message>
    <message>
        <source>播放加快一倍
加快</source>
        <translation>播放加快一倍
加快</translation>
    </message>
    <message>
        <source>播放放慢一倍
放慢</source>
        <translation>播放放慢一倍
放慢</translation>
    </message>
    <message>
        <source>將畫布匯出為 PNG、SVG 或 PDF 圖片
匯出圖片</source>
        <translation>将画布导出为 PNG、SVG 或 PDF 图片
导出图片</translation>
    </message>
    <message>
        <source>在目前的敘述停下執行中的腳本
停止腳本</source>
        <translation>在当前的语句停下执行中的脚本
停止脚本</translation>
    </message>
    <message>
        <source>把畫布設成視窗的大小，整棵樹不用捲動就看得到
整棵樹放進視窗</source>
        <translation>把画布设成窗口的大小，整棵树不用滚动就看得到
整棵树放进窗口</translation>
    </message>
    <message>
        <source>視窗或面板改變大小時，畫布跟著改變
跟著視窗</source>
        <translation>窗口或面板改变大小时，画布跟着改变
跟着窗口</translation>
    </message>
    <message>
        <source>面板、說明和陣列的文字放大一級
文字放大</source>
        <translation>面板、说明和数组的文字放大一级
文字放大</translation>
    </message>
    <message>
        <source>面板、說明和陣列的文字縮小一級
文字縮小</source>
        <translation>面板、说明和数组的文字缩小一级
文字缩小</translation>
    </message>
    <message>
        <source>面板、說明和陣列的文字回到原來的大小
文字原來大小</source>
        <translation>面板、说明和数组的文字回到原来的大小
文字原来大小</translation>
    </message>
    <message>
        <source>方框顯示的不是節點編號時，在角落小字標出編號
顯示節點編號</source>
        <translation>方框显示的不是节点编号时，在角落小字标出编号
显示节点编号</translation>
    </message>
    <message>
        <source>換成指定節點數的編號樹
節點數</source>
        <translation>换成指定节点数的编号树
节点数</translation>
    </message>
    <message>
        <source>用目前的語言唸出每一步的說明
朗讀</source>
        <translation>用当前的语言读出每一步的说明
朗读</translation>
    </message>
    <message>
        <source>原來的顏色
標準配色</source>
        <translation>原来的颜色
标准配色</translation>
    </message>
    <message>
        <source>每種標記換成色盲也分得出的顏色，再加上不靠顏色的記號：勝者粗框、敗者虛線框、排好的角上有三角、第二個序列有條紋
色盲友善配色</source>
        <translation>每种标记换成色盲也分得出的颜色，再加上不靠颜色的记号：胜者粗框、败者虚线框、排好的角上有三角、第二个序列有条纹
色盲友好配色</translation>
    </message>
    <message>
        <source>飽和的顏色、兩個像素寬的線和框、對比夠高的文字，在明亮的教室投影也看得清楚
投影機配色</source>
        <translation>饱和的颜色、两个像素宽的线和框、对比度够高的文字，在明亮的教室投影也看得清楚
投影仪配色</translation>
    </message>
    <message>
        <source>程式附的課程和你自己的課程，點一下就開始
範例課程</source>
        <translation>程序附带的课程和你自己的课程，点一下就开始
范例课程</translation>
    </message>
</context>
<context>
    <name>TournamentAlgorithm</name>
    <message>
        <source>節點 %1，</source>
        <translation>节点 %1，</translation>
    </message>
    <message>
        <source>節點 %1 (%2) 直接晉級</source>
        <translation>节点 %1 (%2) 直接晋级</translation>
    </message>
    <message>
        <source>節點 %1 (%2) 勝 節點 %3 (%4)</source>
        <translation>节点 %1 (%2) 胜 节点 %3 (%4)</translation>
    </message>
</context>
<context>
    <name>WebPage</name>
    <message>
        <source>從頭開始</source>
        <translation>从头开始</translation>
    </message>
    <message>
        <source>上一步</source>
        <translation>上一步</translation>
    </message>
    <message>
        <source>播放</source>
        <translation>播放</translation>
    </message>
    <message>
        <source>暫停</source>
        <translation>暂停</translation>
    </message>
    <message>
        <source>下一步</source>
        <translation>下一步</translation>
    </message>
    <message>
        <source>直接看結果</source>
        <translation>直接看结果</translation>
    </message>
    <message>
        <source>速度</source>
        <translation>速度</translation>
    </message>
    <message>
        <source>練習</source>
        <translation>练习</translation>
    </message>
    <message>
        <source>縮放</source>
        <translation>缩放</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>沒有</source>
        <translation>没有</translation>
    </message>
    <message>
        <source>看解答</source>
        <translation>看解答</translation>
    </message>
    <message>
        <source>答對 %1 題，答錯 %2 題（共 %3 題）</source>
        <translation>答对 %1 题，答错 %2 题（共 %3 题）</translation>
    </message>
    <message>
        <source>練習結束：這次問了 %1 題，錯了 %2 題。</source>
        <translation>练习结束：这次问了 %1 题，错了 %2 题。</translation>
    </message>
    <message>
        <source>錯在：%1。</source>
        <translation>错在：%1。</translation>
    </message>
    <message>
        <source>提示：比較的是節點 %1 與 %2。</source>
        <translation>提示：比较的是节点 %1 与 %2。</translation>
    </message>
    <message>
        <source>看虛擬碼第 %1 行。</source>
        <translation>看伪代码第 %1 行。</translation>
    </message>
    <message>
        <source>剛寫出的值</source>
        <translation>刚写出的值</translation>
    </message>
    <message>
        <source>答對了。</source>
        <translation>答对了。</translation>
    </message>
    <message>
        <source>、</source>
        <translation>、</translation>
    </message>
</context>
</TS>
