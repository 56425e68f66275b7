Set list = CreateObject("QV_ColorListBox.ColorListBox")
list.AddItem "apple"
list.AddItem "orange"
Dim sText
If list.GetText(1, sText) Then WScript.Echo list.ListCount & " items, the second: " & sText
On Error Resume Next
list.ListCount = 5   ' read-only: error 383
If Err.Number = 383 And sText = "orange" Then WScript.Echo "passed"
WScript.Quit Err.Number - 383
