' The list through the control's dispatch interface: items, by-reference readers, the
' current item, and errors trapped by the script.
Option Explicit
Dim failures : failures = 0

Sub Check(sWhat, vActual, vExpected)
    If vActual <> vExpected Then
        WScript.Echo "FAIL " & sWhat & ": got " & vActual & ", expected " & vExpected
        failures = failures + 1
    End If
End Sub

Dim list : Set list = CreateObject("QV_ColorListBox.ColorListBox")
Check "empty ListCount", list.ListCount, 0
Check "AddItem first", list.AddItem("alpha"), 0
Check "AddItem second", list.AddItem("beta", 2), 1
Check "InsertItem", list.InsertItem(0, "zero"), 0
Check "ListCount", list.ListCount, 3

Dim sText : sText = "untouched"
Check "GetText found", list.GetText(1, sText), True
Check "GetText value", sText, "alpha"
sText = "untouched"
Check "GetText bad index", list.GetText(7, sText), False
Check "GetText keeps value", sText, "untouched"

Dim nImage : nImage = 0
Check "GetImageIndex", list.GetImageIndex(2, nImage), True
Check "image index", nImage, 2

Check "ListIndex before", list.ListIndex, -1
list.ListIndex = 2
Check "ListIndex after", list.ListIndex, 2

Check "RemoveItem", list.RemoveItem(0), True
Check "ListCount after remove", list.ListCount, 2

On Error Resume Next
list.ListCount = 5
Check "read-only property", Err.Number, 383
Err.Clear
list.NoSuchMember
Check "unknown member", Err.Number, 438
Err.Clear
list.AddItem
Check "missing argument", Err.Number, 449
Err.Clear
On Error GoTo 0

list.RemoveAll
Check "ListCount after RemoveAll", list.ListCount, 0
Set list = Nothing
If failures = 0 Then WScript.Echo "passed"
WScript.Quit failures
