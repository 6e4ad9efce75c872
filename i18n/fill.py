#!/usr/bin/env python3
"""Writes the English texts into i18n/zarni_en.ts (after `update_translations`).

The table below is the English translation; a source text missing from it
is reported, so that no text is left untranslated."""
import html, re, sys

EN = {
'關於 Zarni': 'About Zarni', '陣列(&A)': '&Array', '確定': 'OK', '取消': 'Cancel', '陣列': 'Array', '樹根': 'root',
'父 %1': 'parent %1', '葉節點': 'leaf', '左 %1，沒有右子': 'left %1, no right child', '左 %1，右 %2': 'left %1, right %2',
'第 %1 層': 'level %1', '節點 %1：': 'Node %1: ', '，': ', ',
'這不是一般的檔案（例如管道或裝置），無法開啟。': 'This is not a regular file (such as a pipe or a device) and cannot be opened.',
'這是一個資料夾，不是檔案。': 'This is a folder, not a file.',
'無法儲存檔案 %1：\n%2': 'Cannot save the file %1:\n%2',
'%1 不是 Zarni 文件，儲存會清除它的內容；沒有儲存。': '%1 is not a Zarni document; saving would erase its content, so nothing was saved.',
'檔案 %1 不是 Zarni 文件，儲存會清除它的內容。\n仍要儲存嗎？': 'The file %1 is not a Zarni document; saving will erase its content.\nSave anyway?',
'跳至節點': 'Go to Node', '節點的索引（1 到 %1）：': 'Index of the node (1 to %1):',
'這棵樹沒有節點 %1：索引必須在 1 到 %2 之間。': 'The tree has no node %1: the index must be from 1 to %2.',
'「%1」不是整數。': '"%1" is not a whole number.',
'設定葉節點': 'Set Leaves',
'這棵樹有 %1 個葉節點（節點 %2 到 %3），請依序輸入它們的值，整數 -%4 到 %4，以空白或逗號分隔：':
    'The tree has %1 leaves (nodes %2 to %3). Enter their values in order, whole numbers from -%4 to %4, separated by blanks or commas:',
'%1 超出範圍：值必須在 -%2 到 %2 之間。': '%1 is out of range: values must be from -%2 to %2.',
'需要 %1 個值，這裡有 %2 個。': '%1 values are needed; there are %2 here.',
'節點 %1 不是葉節點。': 'Node %1 is not a leaf.',
'檔案(&F)': '&File', '開啟新檔(&N)\tCtrl+N': '&New\tCtrl+N', '開啟舊檔(&O)...\tCtrl+O': '&Open...\tCtrl+O',
'列印設定(&R)...': 'P&rint Setup...', '最近開啟檔案': 'Recent File', '結束(&X)': 'E&xit', '檢視(&V)': '&View',
'工具列(&T)': '&Toolbar', '狀態列(&S)': '&Status Bar', '說明(&H)': '&Help', '關於 Zarni(&A)...': '&About Zarni...',
'關閉檔案(&C)': '&Close', '儲存檔案(&S)\tCtrl+S': '&Save\tCtrl+S', '另存新檔(&A)...': 'Save &As...',
'匯出圖片(&E)...': '&Export Picture...', '列印(&P)...\tCtrl+P': '&Print...\tCtrl+P', '預覽列印(&V)': 'Print Pre&view',
'列印設定(&R)': 'P&rint Setup', '編輯(&E)': '&Edit', '復原(&U)\tCtrl+Z': '&Undo\tCtrl+Z', '剪下(&T)\tCtrl+X': 'Cu&t\tCtrl+X',
'複製(&C)\tCtrl+C': '&Copy\tCtrl+C', '貼上(&P)\tCtrl+V': '&Paste\tCtrl+V', '視窗(&W)': '&Window', '新增視窗(&N)': '&New Window',
'重疊顯示(&C)': '&Cascade', '並排顯示(&T)': '&Tile', '排列圖示(&A)': '&Arrange Icons', '分割(&P)': 'S&plit',
'Winner Tree': 'Winner Tree', 'Winner_Tree': 'Winner_Tree', 'Go': 'Go', 'Exit': 'Exit',
'更多視窗(&M)...': '&More Windows...', '選擇視窗': 'Select Window', '選擇要啟動的視窗(&S)：': '&Select the window to activate:',
'執行腳本(&R)...': '&Run Script...', '全螢幕(&U)\tF11': 'F&ull Screen\tF11', '語言(&L)': '&Language',
'另存為腳本(&W)...': 'Save as Scri&pt...', '跳至節點(&G)...\tCtrl+G': '&Go to Node...\tCtrl+G',
'暫停(&P)\tSpace': '&Pause\tSpace', '下一步(&N)\tCtrl+Right': '&Next Step\tCtrl+Right', '上一步(&B)\tCtrl+Left': 'Step &Back\tCtrl+Left',
'從頭開始(&R)\tCtrl+Home': '&Restart\tCtrl+Home', '直接看結果(&E)\tCtrl+End': 'To the &End\tCtrl+End',
'設定葉節點(&L)...': 'Set &Leaves...', '加快(&F)\tCtrl+]': '&Faster\tCtrl+]', '放慢(&S)\tCtrl+[': '&Slower\tCtrl+[',
'合併序列(&M)...': '&Merge Runs...', '輸出勝者(&O)\tCtrl+Down': '&Output the Winner\tCtrl+Down',
'全部輸出(&A)\tCtrl+Shift+Down': 'Output &All\tCtrl+Shift+Down', '錦標賽': 'Tournament', '播放速度': 'Playing speed',
'合併序列': 'Merge Runs',
'每行一個序列，值由大到小排列，以空白分隔；整數 -%1 到 %1，%2 到 %3 個序列，每個最多 %4 個值。以 # 開頭的行不算。':
    'One run a line, its values from the greatest down, separated by blanks; whole numbers from -%1 to %1, %2 to %3 runs of at most %4 values each. Lines starting with # are skipped.',
'從檔案載入(&F)...': 'Load from &File...', '載入序列': 'Load Runs', '文字檔 (*.txt);;所有檔案 (*)': 'Text files (*.txt);;All files (*)',
'隨機填入(&R)': '&Random', '序列數': 'Runs', '每個的長度': 'Length of each', '無法讀取 %1：%2': 'Cannot read %1: %2', '%1：%2': '%1: %2',
'# 從 %1 載入的 %2 個序列，共 %3 個值（太多，不在這裡列出）': '# %2 runs loaded from %1, %3 values in all (too many to list here)',
'# %1 個隨機序列，每個 %2 個值（太多，不在這裡列出）': '# %1 random runs of %2 values each (too many to list here)',
'檔案超過 %1 MB，比任何合併用得到的都大': 'the file is larger than %1 MB, more than any merge can use',
'第 %1 行（序列 %2）：': 'Line %1 (run %2): ',
'%1 比前一個值大；序列必須由大到小排列。': '%1 is greater than the value before it; a run must go from the greatest down.',
'序列 %1 是空的。': 'Run %1 is empty.', '序列最多 %1 個值。': 'A run holds at most %1 values.',
'至少要有 %1 個序列，這裡有 %2 個。': 'At least %1 runs are needed; there are %2 here.',
'最多只能有 %1 個序列，這裡有 %2 個。': 'At most %1 runs are allowed; there are %2 here.',
'合併': 'Merge', '複製輸出(&C)': '&Copy Output', '把輸出的值複製到剪貼簿': 'Copy the output values to the clipboard',
'這個視窗沒有合併。': 'This window has no merge.', '合併完成：輸出 %1 個值。': 'Merge done: %1 values output.',
'已輸出 %1 個值，還剩 %2 個。': '%1 values output, %2 left.', '輸出': 'Output', '序列 %1': 'Run %1',
'設定檔 %1 不是一般的檔案，這次不讀也不寫設定。': 'The settings file %1 is not a regular file; settings are neither read nor written this time.',
'無法開啟檔案 %1：\n%2': 'Cannot open the file %1:\n%2', '匯出圖片': 'Export Picture',
'Zarni 腳本 (*.zs);;所有檔案 (*)': 'Zarni scripts (*.zs);;All files (*)', '執行腳本': 'Run Script',
'腳本停在錯誤的地方：\n%1': 'The script stopped at an error:\n%1', '另存為腳本': 'Save as Script',
'畫布大小 %1 * %2 無法用縮放指令重建。': 'The canvas size %1 * %2 cannot be rebuilt with the zoom commands.',
'這棵樹的值太多，寫不進一行腳本。': 'The tree has too many values to fit in a script line.',
'第 %1/%2 步：節點 %3，': 'Step %1/%2: node %3, ', '節點 %1 (%2) 直接晉級': 'node %1 (%2) goes through alone',
'節點 %1 (%2) 勝 節點 %3 (%4)': 'node %1 (%2) beats node %3 (%4)',
'不支援的檔案類型「%1」：請用 .png、.svg 或 .pdf。': 'Unsupported file type "%1": use .png, .svg or .pdf.',
'畫布 %1 × %2 太大，無法存成 PNG；請改存為 SVG 或 PDF。': 'The canvas %1 × %2 is too large for PNG; save it as SVG or PDF instead.',
'圖中的細節太多，SVG 檔會超過 %1 MB；請改存為 PDF 或 PNG。': 'The picture has so much detail that the SVG file would exceed %1 MB; save it as PDF or PNG instead.',
'記憶體不足，無法產生 %1 × %2 的圖片。': 'Not enough memory to make a picture of %1 × %2.',
'無法匯出圖片 %1：\n%2': 'Cannot export the picture %1:\n%2',
'Zarni': 'Zarni', '就緒': 'Ready', 'EXT': 'EXT', 'CAP': 'CAP', 'NUM': 'NUM', 'SCRL': 'SCRL', 'OVR': 'OVR', 'REC': 'REC',
'產生一新文件\n開啟新檔': 'Create a new document\nNew', '開啟一舊文件\n開啟舊檔': 'Open an existing document\nOpen',
'關閉目前的文件\n關閉': 'Close the active document\nClose', '儲存目前的文件\n儲存檔案': 'Save the active document\nSave',
'以新的名稱儲存目前的文件\n另存新檔': 'Save the active document with a new name\nSave As',
'變更印表機及列印選項\n列印設定': 'Change the printer and printing options\nPrint Setup',
'列印目前的文件\n列印': 'Print the active document\nPrint',
'以目前的設定列印目前的文件\n快速列印': 'Print the active document using the current options\nQuick Print',
'顯示整頁\n預覽列印': 'Display full pages\nPrint Preview',
'顯示程式的資訊， 版本及版權\n關於': 'Display program information, version number and copyright\nAbout',
'結束應用程式並提示儲存檔案\n結束': 'Quit the application; prompts to save documents\nExit',
'開啟這個文件': 'Open this document', '切換到下一個窗格\n下一窗格': 'Switch to the next window pane\nNext Pane',
'切換回前一個窗格\n前一窗格': 'Switch back to the previous window pane\nPrevious Pane',
'為目前的文件開啟另一個視窗\n新增視窗': 'Open another window for the active document\nNew Window',
'排列視窗底部的圖示\n排列圖示': 'Arrange icons at the bottom of the window\nArrange Icons',
'重疊排列視窗\n重疊視窗': 'Arrange windows so they overlap\nCascade Windows',
'並排排列視窗\n並排視窗': 'Arrange windows as non-overlapping tiles\nTile Windows',
'將使用中的視窗分割成窗格\n分割': 'Split the active window into panes\nSplit',
'複製選取範圍並放到剪貼簿\n複製': 'Copy the selection and put it on the Clipboard\nCopy',
'剪下選取範圍並放到剪貼簿\n剪下': 'Cut the selection and put it on the Clipboard\nCut',
'插入剪貼簿的內容\n貼上': 'Insert Clipboard contents\nPaste', '復原上一個動作\n復原': 'Undo the last action\nUndo',
'隱藏或顯示工具列\n切換工具列': 'Show or hide the toolbar\nToggle ToolBar',
'隱藏或顯示狀態列\n切換狀態列': 'Show or hide the status bar\nToggle Status Bar',
'變更視窗大小': 'Change the window size', '變更視窗位置': 'Change the window position', '將視窗縮成圖示': 'Reduce the window to an icon',
'將視窗放到最大': 'Enlarge the window to full size', '切換到下一個文件視窗': 'Switch to the next document window',
'切換到前一個文件視窗': 'Switch to the previous document window',
'關閉使用中的視窗並提示儲存文件': 'Close the active window and prompt to save the documents',
'將視窗還原成正常大小': 'Restore the window to normal size', '啟動工作清單': 'Activate Task List', '啟動這個視窗': 'Activate this window',
'關閉預覽列印模式\n取消預覽': 'Close print preview mode\nCancel Preview',
'\nZarni\nZarni\n\n\nZarni.Document\nZarni Document': '\nZarni\nZarni\n\n\nZarni.Document\nZarni Document',
'n * n': 'n * n', 'toolbar中的combo': 'the combo in the toolbar', '縮小': 'Zoom out', '放大': 'Zoom in',
'放大X軸': 'Stretch the X axis', '放大Y軸': 'Stretch the Y axis', '縮小X軸': 'Shrink the X axis', '縮小Y軸': 'Shrink the Y axis',
'增加node': 'One node more', '減少node': 'One node fewer',
'將畫布匯出為 PNG、SVG 或 PDF 圖片\n匯出圖片': 'Export the canvas as a PNG, SVG or PDF picture\nExport Picture',
'暫停或繼續錦標賽\n暫停': 'Pause or resume the tournament\nPause', '錦標賽往前一步\n下一步': 'One step of the tournament forward\nNext Step',
'錦標賽退回一步\n上一步': 'One step of the tournament back\nStep Back', '回到錦標賽開始之前\n從頭開始': 'Back to before the tournament began\nRestart',
'一次下完剩下的比賽\n直接看結果': 'Play the remaining matches at once\nTo the End',
'自己設定每個葉節點的值\n設定葉節點': "Set each leaf's value yourself\nSet Leaves",
'用勝者樹合併幾個由大到小排好的序列\n合併序列': 'Merge runs sorted from the greatest down with the winner tree\nMerge Runs',
'把樹根的值寫到輸出，再重賽它葉節點的路徑\n輸出勝者': "Write the root's value out and replay its leaf's path\nOutput the Winner",
'一次輸出剩下的所有值\n全部輸出': 'Output all the remaining values at once\nOutput All',
'顯示或隱藏樹的陣列\n陣列': "Show or hide the tree's array\nArray", '捲到某個節點並選取它\n跳至節點': 'Scroll to a node and select it\nGo to Node',
'主視窗佔滿整個螢幕，或回到原來大小\n全螢幕': 'Fill the whole screen with the main window, or restore it\nFull Screen',
'在目前的程式中執行一個腳本檔\n執行腳本': 'Run a script file in the program as it stands\nRun Script',
'把目前的視窗存成能重建它的腳本\n另存為腳本': 'Save the active window as a script that rebuilds it\nSave as Script',
'以繁體中文顯示\n繁體中文': 'Show the texts in Traditional Chinese\n繁體中文', '以英文顯示\nEnglish': 'Show the texts in English\nEnglish',
'放大倍數(&S)：': '&Scale:', '以幾倍的像素畫出畫布；文字一樣清晰': 'How many pixels to draw for each pixel of the canvas; the text stays sharp',
'圖片 %1 × %2 太大，無法存成 PNG；請用較小的倍數，或改存為 SVG 或 PDF。': 'The picture %1 × %2 is too large for PNG; export it at a smaller scale, or as SVG or PDF.',
'錦標賽播放加快一倍\n加快': 'Play the tournament twice as fast\nFaster', '錦標賽播放放慢一倍\n放慢': 'Play the tournament half as fast\nSlower',
'停止腳本(&T)\tEsc': 'S&top Script\tEsc', '整棵樹放進視窗(&I)\tCtrl+Shift+F': 'F&it the Tree in the Window\tCtrl+Shift+F',
'&Close': '&Close', '跟著視窗(&W)': 'Keep &Fitting', '腳本已停止。': 'The script was stopped.',
'在目前的敘述停下執行中的腳本\n停止腳本': 'Stop the running script at the statement it is on\nStop Script',
'把畫布設成視窗的大小，整棵樹不用捲動就看得到\n整棵樹放進視窗': 'Make the canvas the size of the window, so that the whole tree shows without scrolling\nFit the Tree in the Window',
'視窗或面板改變大小時，畫布跟著改變\n跟著視窗': 'Keep the canvas the size of the window as the window or a panel changes size\nKeep Fitting',
'%1 個值太多，不在這裡列出；留空就不改變。': '%1 values are too many to list here; leave this empty to keep them as they are.',
}

path = sys.argv[1]
text = open(path, encoding='utf-8').read()
missing = []

def fill(match):
    source = html.unescape(match.group(1))
    if source not in EN:
        missing.append(source)
        return match.group(0)
    return '<source>%s</source>\n        <translation>%s</translation>' % (match.group(1), html.escape(EN[source], quote=False))

text = re.sub(r'<source>(.*?)</source>\s*<translation[^>]*>.*?</translation>', fill, text, flags=re.S)
open(path, 'w', encoding='utf-8').write(text)
for m in missing:
    print('untranslated:', repr(m), file=sys.stderr)
sys.exit(1 if missing else 0)
