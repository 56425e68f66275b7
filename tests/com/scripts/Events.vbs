' The control's events in a script connected with WScript.ConnectObject. Members that move
' the top row raise Scroll at once, after the row has moved; checks and selections made
' by members raise nothing (ItemCheck and the mouse and key events come from the user's
' input only). A second connection hears every event after the first, and an object from
' WScript.CreateObject with a prefix is connected as it is made.
Option Explicit
Dim failures : failures = 0

Sub Check(sWhat, vActual, vExpected)
    If vActual <> vExpected Then
        WScript.Echo "FAIL " & sWhat & ": got " & vActual & ", expected " & vExpected
        failures = failures + 1
    End If
End Sub

Dim list, nScrolls, nTopSeen, sHeard, nOthers
nScrolls = 0 : nTopSeen = -1 : sHeard = "" : nOthers = 0

Sub List_Scroll()
    nScrolls = nScrolls + 1
    nTopSeen = list.TopIndex
    sHeard = sHeard & "first "
End Sub

Sub Second_Scroll()
    sHeard = sHeard & "second "
End Sub

Dim nOtherScrolls : nOtherScrolls = 0
Sub Other_Scroll()
    nOtherScrolls = nOtherScrolls + 1
End Sub

Sub List_Click()
    nOthers = nOthers + 1
End Sub

Sub List_ItemCheck(nItemIndex)
    nOthers = nOthers + 1
End Sub

Sub List_KeyDown(KeyCode, Shift)
    nOthers = nOthers + 1
End Sub

Sub List_MouseDown(Button, Shift, X, Y)
    nOthers = nOthers + 1
End Sub

Set list = CreateObject("QV_ColorListBox.ColorListBox")
WScript.ConnectObject list, "List_"
Dim i
For i = 1 To 60
    list.AddItem "item " & i
Next
Check "Scroll while adding", nScrolls, 0

list.TopIndex = 10
Check "Scroll when TopIndex moves", nScrolls, 1
Check "top row the handler reads", nTopSeen, 10
list.TopIndex = 10
Check "Scroll when TopIndex stays", nScrolls, 1

list.ListIndex = 55
Check "Scroll when ListIndex leaves the visible rows", nScrolls, 2
Check "top row after ListIndex", nTopSeen, list.TopIndex
Check "ListIndex scrolled down", list.TopIndex > 10, True
list.ListIndex = list.TopIndex
Check "Scroll when ListIndex stays visible", nScrolls, 2

list.Style = 1
Dim bChecked
Check "SetSelectedItem 2", list.SetSelectedItem(2, True), True
Check "SetSelectedItem 3", list.SetSelectedItem(3, True), True
Check "GetSelectedItem 3", list.GetSelectedItem(3, bChecked), True
Check "item 3 checked", bChecked, True
Check "events of checks made by members", nOthers, 0

WScript.ConnectObject list, "Second_"
sHeard = ""
list.TopIndex = 0
Check "both connections, in order", sHeard, "first second "
Check "Scroll count with two connections", nScrolls, 3

Dim other : Set other = WScript.CreateObject("QV_ColorListBox.ColorListBox", "Other_")
For i = 1 To 60
    other.AddItem "other " & i
Next
other.TopIndex = 5
Check "Scroll of the object WScript.CreateObject connected", nOtherScrolls, 1
Check "Scroll count of the first list", nScrolls, 3

Set other = Nothing
Set list = Nothing
If failures = 0 Then WScript.Echo "passed"
WScript.Quit failures
