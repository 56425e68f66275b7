' Properties set from a script: accepted values read back, a value out of range shows the
' control's message box (logged in automated runs) and leaves the property unchanged, and
' a wrong type is an error the script can trap.
Option Explicit
Dim failures : failures = 0

Sub Check(sWhat, vActual, vExpected)
    If vActual <> vExpected Then
        WScript.Echo "FAIL " & sWhat & ": got " & vActual & ", expected " & vExpected
        failures = failures + 1
    End If
End Sub

Dim list : Set list = CreateObject("QV_ColorListBox.ColorListBox")
list.FrameStyle = 2
Check "FrameStyle", list.FrameStyle, 2
list.FrameStyle = 9
Check "FrameStyle after a value out of range", list.FrameStyle, 2
list.BackColor = &H00FF00
Check "BackColor", list.BackColor, &H00FF00
list.Style = 1
list.MaxCheck = 2
Check "MaxCheck", list.MaxCheck, 2

On Error Resume Next
list.MaxCheck = "many"
Check "type mismatch", Err.Number, 13
Err.Clear
list.BackColor = 1E+20
Check "overflow", Err.Number, 6
Err.Clear
On Error GoTo 0
Check "MaxCheck after errors", list.MaxCheck, 2

If failures = 0 Then WScript.Echo "passed"
WScript.Quit failures
