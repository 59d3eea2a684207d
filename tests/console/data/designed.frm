VERSION 5.00
Object = "{A204361F-019D-469C-9D58-120B5BE02315}#1.0#0"; "FolivanTabs.ocx"
Begin VB.Form Form1 
   Caption         =   "Form1"
   ClientHeight    =   4800
   ClientWidth     =   6600
   ScaleHeight     =   4800
   ScaleWidth      =   6600
   Begin FolivanTabs.FolivanTab FolivanTab1 
      Height          =   4500
      Left            =   240
      TabIndex        =   0
      Top             =   240
      Width           =   6000
      _ExtentX        =   10583
      _ExtentY        =   7938
      LastActTab      =   1
      BeginProperty FONT {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
         Name            =   "Tahoma"
         Size            =   8.25
         Charset         =   0
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Appearance      =   4
      Tabs            =   3
      StripH          =   20
      Caption         =   "&Second ""quoted"""
      CurrentTab      =   1
      ForeCol         =   0
      HiddR           =   2
      BLD             =   -1  'True
      HT              =   -1  'True
      TagV(0)         =   42
      TabToolTip(0)   =   ""
      TabContCtrlCnt(0)=   2
      Tab(0)ContCtrlCap(1)=   "Text1[0]"
      Tab(0)CtrlEnabled(1)=   -1  'True
      Tab(0)CtrlTabStop(1)=   -1  'True
      Tab(0)ContCtrlCap(2)=   "Line1[0]"
      Tab(0)CtrlEnabled(2)=   0   'False
      Tab(0)CtrlTabStop(2)=   0   'False
      TabColStart(1)  =   255
      TabCaption(1)   =   "&Second ""quoted"""
      TabToolTip(1)   =   ""
      Access(1)       =   "S"
      TabContCtrlCnt(1)=   1
      Tab(1)ContCtrlCap(1)=   "cmdOK[0]"
      Tab(1)CtrlEnabled(1)=   -1  'True
      Tab(1)CtrlTabStop(1)=   -1  'True
      Password(2)     =   "pw"
      TabToolTip(2)   =   ""
      TabContCtrlCnt(2)=   1
      Tab(2)ContCtrlCap(1)=   "Label1[4]"
      Tab(2)CtrlEnabled(1)=   -1  'True
      Tab(2)CtrlTabStop(1)=   0   'False
      DCtrlCount      =   1
      DefCtrlCap(1)   =   "cmdOK[0]"
      Begin VB.TextBox Text1 
         Height          =   375
         Left            =   -74640
         TabIndex        =   0
         Top             =   600
         Width           =   1215
      End
      Begin VB.Line Line1 
         X1              =   -74900
         X2              =   -74100
         Y1              =   50
         Y2              =   50
      End
      Begin VB.Label Label1 
         Height          =   255
         Index           =   4
         Left            =   -74900
         TabIndex        =   0
         Top             =   100
         Width           =   1215
      End
      Begin VB.CommandButton cmdOK 
         Height          =   495
         Left            =   2000
         TabIndex        =   0
         Top             =   3000
         Width           =   1215
      End
   End
End
Attribute VB_Name = "Form1"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
